// Each kind of chart message as the user reads it, from the facts the core reports.
#include "chartmessages.h"

#include <QTest>

using brisolant::ChartMessage;
using brisolant::ChartMessages;
using brisolant::FixtureRef;
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
    void text_data() {
        QTest::addColumn<ChartMessage>("message");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, const ChartMessage& message, const char* text) {
            QTest::newRow(name) << message << QString::fromUtf8(text);
        };
        const FixtureRef spot{"101", "Spot", 3, 4};
        const FixtureRef numbered{"601", "", 191, 19109};
        row("number and name", fact(Kind::UniverseAboveLast, spot, "070000"),
            R"(Fixture 101 "Spot" (line 4): universe 070000; universes count up to 63999.)");
        row("a reader's words",
            fact(Kind::FixtureRefused, {"", "B", 2, 4}, R"(patch "x" is none.)"),
            R"(Fixture "B" (line 4): patch "x" is none.)");
        row("channels too many to end", fact(Kind::ChannelsPastUniverse, numbered, "99999999999"),
            "Fixture 601 (line 19109): its 99999999999 channels run from 1 past 512.");
        row("one more pair", fact(Kind::MoreSharedPairs, {}, "", 1),
            "warning: 1 more pair of fixtures shares channels.");
        row("more pairs", fact(Kind::MoreSharedPairs, {}, "", 35),
            "warning: 35 more pairs of fixtures share channels.");
        row("the only one, not patched", fact(Kind::NothingSettable, {}, "", 1, 1),
            "Nothing to chart: the only fixture is not patched.");
        row("the only one, at 512", fact(Kind::NothingSettable, {}, "", 1),
            "Nothing to chart: the only fixture is at address 512, which needs a tenth switch.");
        row("all at 512", fact(Kind::NothingSettable, {}, "", 3),
            "Nothing to chart: all 3 fixtures are at address 512, which needs a tenth switch.");
    }
    void text() {
        QFETCH(ChartMessage, message);
        QFETCH(QString, text);
        QCOMPARE(ChartMessages::text(message), text);
    }
};

QTEST_APPLESS_MAIN(ChartMessagesTest)
#include "tst_chartmessages.moc"
