// The window in German and in English: every text shown or given to a screen
// reader, none cut, its messages and Qt's own texts in it.
#include "runtimeerror.h"
#include "showabout.h"
#include "switchbank.h"
#include "translations.h"
#include "windowdriver.h"

#include <QLibraryInfo>
#include <QMenu>
#include <QToolButton>

using namespace brisolant;

namespace {

const char* const kLong = "12345678901234567890123\u00e4\u00f6"; // cut inside the "ä"

// Every text by control, each message by what was typed, and the texts cut.
QMap<QString, QString> textsOf(testing::WindowDriver& ui) {
    ui.openEditor();
    QMap<QString, QString> texts;
    for (const auto* control : ui.window.findChildren<QWidget*>()) {
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        const QString shown = button ? button->text() : QString();
        texts[control->objectName()] =
            shown + '|' + control->accessibleName() + '|' + control->accessibleDescription();
        // A tool button as large as it asks to be; a switch's caption inside it.
        const QSize needs = qobject_cast<const QToolButton*>(control) != nullptr
                                ? control->sizeHint()
                                : control->fontMetrics().size(Qt::TextShowMnemonic, shown);
        texts["cut"] += needs.boundedTo(control->size()) == needs ? QString() : shown;
    }
    const std::unique_ptr<QMenu> qtMenu(ui.editor()->createStandardContextMenu());
    for (const QAction* item : ui.get<QMenu>("mnuFile")->actions() + qtMenu->actions()) {
        texts[item->objectName()] = item->text();
    }
    texts["about"] = QString::fromStdString(aboutText(ui.fakes, ui.fakes));
    for (const char* typed : {"x", "512", "40000", kLong}) {
        ui.editor()->setText(QString::fromUtf8(typed));
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
        QVERIFY2(texts["cut"].isEmpty(), qPrintable(texts["cut"]));
        for (const QString& control : texts.keys()) {
            // In German every text with a word in it, but "Info".
            const bool same = loaded.isEmpty() || control == "cmdInfo" ||
                              !texts[control].contains(QRegularExpression("[A-Za-z]"));
            QVERIFY2((texts[control] == english[control]) == same, qPrintable(texts[control]));
        }
        try { // In English a refusal quotes and says as much as the core's own.
            (void)parseStartAddress(kLong);
        } catch (const RuntimeError& error) {
            QVERIFY(!loaded.isEmpty() || texts[kLong].startsWith(error.what()));
        }
        QVERIFY(loaded.isEmpty() ||
                texts["512"].endsWith("Laufzeitfehler 380: Ungültige Startadresse."));
    }
};

QTEST_MAIN(LanguageTest)
#include "tst_language.moc"
