// Each kind of chart message as the user reads it, from the facts the core reports.
#include "chartmessages.h"

#include <QTest>

using brisolant::ChartMessage;
using brisolant::ChartMessages;
using brisolant::FixtureRef;
using Kind = ChartMessage::Kind;

class ChartMessagesTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void text_data() {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < std::size(kRows); ++i) {
            QTest::newRow(kRows[i].name) << int(i);
        }
    }
    void text() {
        QFETCH(int, row);
        const Row& expected = kRows[row];
        ChartMessage message;
        message.kind = expected.kind;
        message.fixture = expected.fixture;
        message.other = {"", "", 3, 0};
        message.text = expected.text;
        message.universe = 2;
        message.first = expected.first;
        message.last = expected.last;
        message.count = expected.count;
        message.notPatched = expected.notPatched;
        QCOMPARE(ChartMessages::text(message), QString::fromUtf8(expected.said));
    }

private:
    struct Row {
        const char* name = nullptr;
        Kind kind = Kind::NoFixtures;
        FixtureRef fixture;
        const char* text = nullptr;
        int first = 0;
        int last = 0;
        std::size_t count = 0;
        std::size_t notPatched = 0;
        const char* said = nullptr;
    };
    static inline const FixtureRef kSpot{"101", "Spot", 3, 4};
    static inline const FixtureRef kNumbered{"601", "", 191, 19109};
    // clang-format off
    static inline const Row kRows[] = {
        {"number and name", Kind::UniverseAboveLast, kSpot, "070000", 0, 0, 0, 0,
         R"(Fixture 101 "Spot" (line 4): universe 070000; universes count up to 63999.)"},
        {"a reader's words", Kind::FixtureRefused, {"", "B", 2, 4}, R"(patch "x" is none.)",
         0, 0, 0, 0, R"(Fixture "B" (line 4): patch "x" is none.)"},
        {"channels too many to end", Kind::ChannelsPastUniverse, kNumbered, "99999999999",
         1, 0, 0, 0, "Fixture 601 (line 19109): its 99999999999 channels run from 1 past 512."},
        {"one more pair", Kind::MoreSharedPairs, {}, "", 0, 0, 1, 0,
         "warning: 1 more pair of fixtures shares channels."},
        {"more pairs", Kind::MoreSharedPairs, {}, "", 0, 0, 35, 0,
         "warning: 35 more pairs of fixtures share channels."},
        {"the only one, not patched", Kind::NothingSettable, {}, "", 0, 0, 1, 1,
         "Nothing to chart: the only fixture is not patched."},
        {"the only one, at 512", Kind::NothingSettable, {}, "", 0, 0, 1, 0,
         "Nothing to chart: the only fixture is at address 512, which needs a tenth switch."},
        {"all at 512", Kind::NothingSettable, {}, "", 0, 0, 3, 0,
         "Nothing to chart: all 3 fixtures are at address 512, which needs a tenth switch."},
    };
    // clang-format on
};

QTEST_APPLESS_MAIN(ChartMessagesTest)
#include "tst_chartmessages.moc"
