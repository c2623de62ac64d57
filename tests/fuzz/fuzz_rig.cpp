#include "chartrefused.h"
#include "rigfile.h"
#include "switchchart.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <string_view>

// A failed check stops at once, so that libFuzzer keeps the input that led here.
#define FUZZ_CHECK(condition)                                                                      \
    ((condition) ? (void)0                                                                         \
                 : (std::fputs("check failed: " #condition "\n", stderr), __builtin_trap()))

namespace {

using namespace brisolant;

bool isOneLine(std::string_view text) {
    return !text.empty() && text.find_first_of("\r\n") == std::string_view::npos;
}

// No C0 control but the tab, no DEL and no C1 control (in UTF-8, 0xC2 0x80-0x9F).
bool isVisible(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const auto next = static_cast<unsigned char>(i + 1 < text.size() ? text[i + 1] : 0);
        if ((c < 0x20 && c != '\t') || c == 0x7F || (c == 0xC2 && next >= 0x80 && next <= 0x9F)) {
            return false;
        }
    }
    return true;
}

} // namespace

// Any bytes as a rig file from a stranger: read, checked and charted, or
// refused in one line. Every fixture charted sits in a universe from 1 at an
// address nine switches can set, its channels end by 512, and its switches add
// up to its address; every fixture read is either charted or left out; no
// text taken from the file holds a control character, in a refusal neither.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const Rig rig = RigFile::read(bytes, QStringLiteral("rig.csv"));
        const std::vector<SwitchChart::Fixture>& fixtures = rig.fixtures;
        const SwitchChart::Chart chart =
            SwitchChart::make(fixtures, SwitchChart::Unsettable::LeaveOut);
        FUZZ_CHECK(chart.rows.size() + chart.leftOut.size() == fixtures.size());
        for (const SwitchChart::Fixture& fixture : fixtures) {
            const auto& [address, universe, channels] = fixture.written;
            FUZZ_CHECK(isVisible(fixture.name) && isVisible(fixture.number) && isVisible(address) &&
                       isVisible(universe) && isVisible(channels));
        }
        for (const SwitchChart::Row& row : chart.rows) {
            FUZZ_CHECK(row.universe >= 1 && row.startAddress >= 1 && row.startAddress <= 511);
            FUZZ_CHECK(row.channels >= 1 && row.startAddress + row.channels - 1 <= 512);
            int sum = 0;
            for (std::size_t i = 0; i < row.on.size(); ++i) {
                sum += row.on.at(i) ? 1 << i : 0;
            }
            FUZZ_CHECK(sum == row.startAddress);
        }
        for (const std::string& line : rig.notes) {
            FUZZ_CHECK(isOneLine(line) && isVisible(line));
        }
        for (const auto* messages : {&chart.leftOut, &chart.warnings}) {
            for (const ChartMessage& message : *messages) {
                FUZZ_CHECK(message.fixture.name.find_first_of("\r\n") == std::string::npos &&
                           isVisible(message.fixture.name));
            }
        }
    } catch (const ChartRefused& refused) {
        FUZZ_CHECK(isOneLine(refused.what()) && isVisible(refused.what()));
        if (const ChartMessage* message = refused.message()) {
            FUZZ_CHECK(isVisible(message->fixture.name) && isVisible(message->fixture.number) &&
                       isVisible(message->text));
        }
    }
    return 0;
}
