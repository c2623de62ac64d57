#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace brisolant {

// Brisolant's texts, and Qt's own, in the user's language, installed into the
// application object for as long as this lives. The source texts are
// English: a translation is loaded for the first of the user's languages that
// Brisolant is translated into, unless English comes before it, and Qt's
// translation of the same language with it, so that Qt's dialogs and buttons
// speak the same language as the program.
class Translations final {
public:
    // For the system's languages, from where the program and Qt keep their
    // translations. Looks nowhere when the user asks for English.
    Translations();
    // languages most wanted first; directory holds brisolant_<language>.qm,
    // qtDirectory Qt's qtbase_<language>.qm. An application object must exist.
    Translations(const QStringList& languages, const QString& directory,
                 const QString& qtDirectory);

    // Installs the translations loaded into the application object there is
    // now, as the constructors do into the one there was: for an application
    // object made after them.
    void install();

    // The language loaded ("de"), or empty when the texts stay as written.
    [[nodiscard]] const QString& language() const { return m_language; }

    // The languages the user asks for, most wanted first, as Qt reads
    // LANGUAGE, LC_ALL, LC_MESSAGES and LANG. None in the C locale, whatever
    // LANGUAGE says, as gettext has it: LANG=C gives a script the texts as
    // they are written.
    [[nodiscard]] static QStringList systemLanguages();

    // Whether languages asks for anything but English, the source texts' own
    // language: when not, nothing need be loaded, nor held.
    [[nodiscard]] static bool wanted(const QStringList& languages);

    // Where the program keeps its translations: at the same place relative to
    // its executable installed and in its build tree, never the current
    // directory. Needs an application object.
    [[nodiscard]] static QString besideProgram();

private:
    void load(const QStringList& languages, const QString& directory, const QString& qtDirectory);

    QTranslator m_program;
    QTranslator m_qt;
    QString m_language;
};

} // namespace brisolant
