// The window and the program in German and in English: every text shown or
// given to a screen reader, none cut, the messages, Qt's own texts.
#include "runtimeerror.h"
#include "showabout.h"
#include "switchbank.h"
#include "translations.h"
#include "windowdriver.h"

#include <QLibraryInfo>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolButton>

using namespace brisolant;

namespace {

// Every text of the window by control, its messages and Qt's own texts in it.
QMap<QString, QString> textsOf(testing::WindowDriver& ui) {
    ui.openEditor();
    QMap<QString, QString> texts;
    for (const auto* control : ui.window.findChildren<QWidget*>()) {
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        const QString shown = button != nullptr ? button->text() : QString();
        texts[control->objectName()] =
            QStringList{shown, control->accessibleName(), control->accessibleDescription()}.join(
                '|');
        // Not cut: a tool button as big as it asks to be, a switch's caption inside it.
        const QSize needs = qobject_cast<const QToolButton*>(control) != nullptr
                                ? control->sizeHint()
                                : control->fontMetrics().size(Qt::TextShowMnemonic, shown);
        if (needs.boundedTo(control->size()) != needs) {
            texts[QStringLiteral("cut")] += shown;
        }
    }
    const auto* menu = ui.get<QMenu>(QStringLiteral("mnuFile"));
    texts[QStringLiteral("menu")] = menu->title() + '|' + menu->actions().first()->text() + '|' +
                                    menu->actions().last()->text();
    const std::unique_ptr<QMenu> qtMenu(ui.editor()->createStandardContextMenu());
    texts[QStringLiteral("Qt's menu")] = qtMenu->actions().last()->text();
    texts[QStringLiteral("about")] = QString::fromStdString(aboutText(ui.fakes, ui.fakes));
    for (const char* typed : {"x", "512", "40000"}) {
        ui.type(QString::fromLatin1(typed));
        QTest::keyClick(ui.editor(), Qt::Key_Return);
        texts[typed] = QString::fromStdString(ui.fakes.messages.back());
    }
    return texts;
}

} // namespace

class LanguageTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void window_data() {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("loaded");
        QTest::newRow("German") << QStringList{"de-DE", "de-Latn-DE", "de"} << "de";
        QTest::newRow("Austrian German") << QStringList{"de-AT", "de-Latn-AT"} << "de";
        QTest::newRow("French, then German") << QStringList{"fr-FR", "de"} << "de";
        QTest::newRow("English, then German") << QStringList{"en-US", "de"} << "";
        QTest::newRow("C") << QStringList{"C", "de"} << "";
    }
    void window() {
        QFETCH(QStringList, languages);
        QFETCH(QString, loaded);
        testing::WindowDriver plain;
        const QMap<QString, QString> english = textsOf(plain);
        const Translations translations(languages, QStringLiteral(BRISOLANT_TRANSLATIONS),
                                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        QCOMPARE(translations.language(), loaded);
        testing::WindowDriver ui;
        const QMap<QString, QString> texts = textsOf(ui);
        QCOMPARE(texts.keys(), english.keys());
        QVERIFY2(!texts.contains("cut"), qPrintable(texts["cut"]));
        for (const QString& control : texts.keys()) {
            // In German every word is, but for "Info" and the menu's "&Datei".
            const bool same = loaded.isEmpty() || control == "cmdInfo" ||
                              !texts[control].contains(QRegularExpression("[A-Za-z]"));
            QVERIFY2((texts[control] == english[control]) == same, qPrintable(texts[control]));
        }
        if (!loaded.isEmpty()) {
            QCOMPARE(
                QStringList({texts["menu"], texts["opt8_0"].left(33), texts["about"].left(34),
                             texts["Qt's menu"], texts["512"].section('\r', -1)}),
                QStringList({"&Datei|Zurücksetzen|Über...", "0|Schalter 8 EIN|Startadresse 0. ",
                             "Brisolant 1.0 (Version 1.3.0)\r(C) ", "Alles auswählen\tStrg+A",
                             "Laufzeitfehler 380: Ungültige Startadresse."}));
        }
    }
    // The real program, against a copy with no translations beside it started
    // where they are: German, or the copy's very bytes.
    void program_data() {
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("german");
        QTest::newRow("help") << "LANG=de_DE.UTF-8 --help"
                              << "Aufruf: Brisolant [Optionen]\n\n";
        QTest::newRow("no display") << "LANG=de_DE.UTF-8"
                                    << "Brisolant braucht eine grafische";
        QTest::newRow("LANGUAGE first") << "LANG=en_US.UTF-8 LANGUAGE=de -h"
                                        << "Aufruf: ";
        QTest::newRow("C, whatever LANGUAGE says") << "LANG=C LANGUAGE=de --help"
                                                   << "";
        QTest::newRow("English first") << "LANG=de_DE.UTF-8 LANGUAGE=en:de --frob"
                                       << "";
        QTest::newRow("English, no display") << "LANG=en_GB.UTF-8"
                                             << "";
    }
    void program() {
        QFETCH(QString, environment);
        QFETCH(QString, german);
        const auto output = [&environment](const QString& program) {
            QStringList arguments = environment.split(' ');
            QProcess process;
            process.setEnvironment(arguments.filter(QRegularExpression("^[A-Z]+=")) +
                                   QProcess::systemEnvironment().filter("SAN_OPTIONS="));
            process.setWorkingDirectory(QStringLiteral(BRISOLANT_TRANSLATIONS));
            process.start(program, arguments.filter(QRegularExpression("^-")));
            process.waitForFinished();
            return QString::fromUtf8(process.readAllStandardOutput() +
                                     process.readAllStandardError());
        };
        const QString translated = output(QStringLiteral(BRISOLANT_PROGRAM));
        const QString copy = m_dir.filePath(QStringLiteral("Brisolant"));
        QVERIFY(QFile::exists(copy) || QFile::copy(QStringLiteral(BRISOLANT_PROGRAM), copy));
        QVERIFY2(german.isEmpty() ? translated == output(copy)
                                  : translated.startsWith(german) && output(copy) != translated,
                 qPrintable(translated));
    }
    // In English a refusal is worded as the core words it, quoting as much.
    void refusalAsTheCoreWordsIt_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("no number") << "x";
        QTest::newRow("overflow") << "40000";
        QTest::newRow("no address") << "-5";
        QTest::newRow("long") << "1234567890123456789012345678";
        QTest::newRow("long, cut inside a character") << "12345678901234567890123äöü";
    }
    void refusalAsTheCoreWordsIt() {
        QFETCH(QString, typed);
        testing::WindowDriver ui;
        ui.openEditor();
        ui.editor()->setText(typed);
        QTest::keyClick(ui.editor(), Qt::Key_Return);
        try {
            (void)parseStartAddress(typed.toStdString());
        } catch (const RuntimeError& error) {
            QCOMPARE(ui.fakes.messages.back().substr(0, std::strlen(error.what())), error.what());
        }
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(LanguageTest)
#include "tst_language.moc"
