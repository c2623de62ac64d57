// Each kind of chart message as the user reads it, from the facts the core
// reports, in English and in German.
#include "chartmessages.h"
#include "translations.h"

#include <QTest>

using brisolant::ChartMessage;
using brisolant::ChartMessages;
using brisolant::FixtureRef;
using brisolant::Translations;
using Kind = ChartMessage::Kind;

Q_DECLARE_METATYPE(ChartMessage)

namespace {

ChartMessage fact(Kind kind, const FixtureRef& fixture, const char* text, std::size_t count = 0,
                  std::size_t notPatched = 0) {
    ChartMessage message;
    message.kind = kind;
    message.fixture = fixture;
    message.text = text;
    message.first = 1;
    message.count = count;
    message.notPatched = notPatched;
    return message;
}

} // namespace

class ChartMessagesTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // In English, and in German, whose plural forms are those of the count.
    void text_data() {
        QTest::addColumn<ChartMessage>("message");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("german");
        const auto row = [](const char* name, const ChartMessage& message, const char* english,
                            const char* german) {
            QTest::newRow(name) << message << QString::fromUtf8(english)
                                << QString::fromUtf8(german);
        };
        const FixtureRef spot{"101", "Spot", 3, 4};
        const FixtureRef numbered{"601", "", 191, 19109};
        row("number and name", fact(Kind::UniverseAboveLast, spot, "070000"),
            R"(Fixture 101 "Spot" (line 4): universe 070000; universes count up to 63999.)",
            "Gerät 101 „Spot“ (Zeile 4): Universe 070000; Universes zählen bis 63999.");
        row("a reader's words",
            fact(Kind::FixtureRefused, {"", "B", 2, 4}, R"(patch "x" is none.)"),
            R"(Fixture "B" (line 4): patch "x" is none.)",
            R"(Gerät „B“ (Zeile 4): patch "x" is none.)");
        row("channels too many to end", fact(Kind::ChannelsPastUniverse, numbered, "99999999999"),
            "Fixture 601 (line 19109): its 99999999999 channels run from 1 past 512.",
            "Gerät 601 (Zeile 19109): Seine 99999999999 Kanäle reichen von 1 über 512 hinaus.");
        row("one more pair", fact(Kind::MoreSharedPairs, {}, "", 1),
            "warning: 1 more pair of fixtures shares channels.",
            "Warnung: Ein weiteres Gerätepaar teilt sich Kanäle.");
        row("more pairs", fact(Kind::MoreSharedPairs, {}, "", 35),
            "warning: 35 more pairs of fixtures share channels.",
            "Warnung: 35 weitere Gerätepaare teilen sich Kanäle.");
        row("the only one, not patched", fact(Kind::NothingSettable, {}, "", 1, 1),
            "Nothing to chart: the only fixture is not patched.",
            "Nichts zu tabellieren: Das einzige Gerät ist nicht gepatcht.");
        row("none of 2 patched", fact(Kind::NothingSettable, {}, "", 2, 2),
            "Nothing to chart: none of the 2 fixtures is patched.",
            "Nichts zu tabellieren: Keines der 2 Geräte ist gepatcht.");
        row("the only one, at 512", fact(Kind::NothingSettable, {}, "", 1),
            "Nothing to chart: the only fixture is at address 512, which needs a tenth switch.",
            "Nichts zu tabellieren: Das einzige Gerät liegt auf Adresse 512, die einen zehnten "
            "Schalter braucht.");
        row("all at 512", fact(Kind::NothingSettable, {}, "", 3),
            "Nothing to chart: all 3 fixtures are at address 512, which needs a tenth switch.",
            "Nichts zu tabellieren: Alle 3 Geräte liegen auf Adresse 512, die einen zehnten "
            "Schalter braucht.");
        row("two reasons", fact(Kind::NothingSettable, {}, "", 3, 1),
            "Nothing to chart: none of the 3 fixtures can be set with nine switches: 1 not "
            "patched, 2 at address 512, which needs a tenth switch.",
            "Nichts zu tabellieren: Keines der 3 Geräte lässt sich mit neun Schaltern einstellen: "
            "1 nicht gepatcht, 2 auf Adresse 512, die einen zehnten Schalter braucht.");
    }
    void text() {
        QFETCH(ChartMessage, message);
        QFETCH(QString, english);
        QFETCH(QString, german);
        QCOMPARE(ChartMessages::text(message), english);
        const Translations translations({"de"}, BRISOLANT_TRANSLATIONS, {});
        QCOMPARE(translations.language(), "de");
        QCOMPARE(ChartMessages::text(message), german);
    }
};

QTEST_GUILESS_MAIN(ChartMessagesTest)
#include "tst_chartmessages.moc"
