#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace brisolant {

namespace {

bool isSourceLanguage(const QLocale& locale) {
    return locale.language() == QLocale::English || locale.language() == QLocale::C;
}

} // namespace

Translations::Translations() {
    const QStringList languages = systemLanguages();
    if (wanted(languages)) {
        load(languages, besideProgram(), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
}

Translations::Translations(const QStringList& languages, const QString& directory,
                           const QString& qtDirectory) {
    load(languages, directory, qtDirectory);
}

void Translations::load(const QStringList& languages, const QString& directory,
                        const QString& qtDirectory) {
    for (const QString& language : languages) {
        const QLocale locale(language);
        if (isSourceLanguage(locale)) {
            return;
        }
        // "brisolant_de_AT" falls back to "brisolant_de" by itself.
        if (m_program.load(QStringLiteral("brisolant_") + locale.name(), directory)) {
            // Without Qt's, its dialogs would stay English: the program's
            // texts are all that matter to get right.
            static_cast<void>(m_qt.load(QStringLiteral("qtbase_") + locale.name(), qtDirectory));
            m_language = QLocale::languageToCode(locale.language());
            install();
            return;
        }
    }
}

void Translations::install() {
    if (!m_qt.isEmpty()) {
        QCoreApplication::installTranslator(&m_qt);
    }
    if (!m_program.isEmpty()) {
        QCoreApplication::installTranslator(&m_program);
    }
}

QStringList Translations::systemLanguages() {
#ifdef Q_OS_UNIX
    QString messages;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = qEnvironmentVariable(variable);
        if (!messages.isEmpty()) {
            break;
        }
    }
    if (messages.isEmpty() || messages == QLatin1String("C") ||
        messages.startsWith(QLatin1String("C.")) || messages == QLatin1String("POSIX")) {
        return {};
    }
#endif
    return QLocale::system().uiLanguages();
}

bool Translations::wanted(const QStringList& languages) {
    return !languages.isEmpty() && !isSourceLanguage(QLocale(languages.constFirst()));
}

QString Translations::besideProgram() {
    return QCoreApplication::applicationDirPath() +
           QStringLiteral("/" BRISOLANT_TRANSLATIONS_BESIDE_PROGRAM);
}

} // namespace brisolant
