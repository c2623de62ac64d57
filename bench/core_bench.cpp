#include "conversions.h"
#include "headlessswitchbank.h"
#include "modapp.h"
#include "modbinarydecimal.h"
#include "switchbank.h"
#include "switchchart.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string>

namespace brisolant {
namespace {

constexpr int kAddressCount = kHighestAddress + 1;

// Every address a user can set, in turn, on one bank: each step moves the
// switches that differ and recomputes once for each of them, nested. The goal
// is a whole sweep under 100 microseconds.
void BM_SweepAllAddresses(benchmark::State& state) {
    modApp app;
    HeadlessSwitchBank headless(app);
    SwitchBank& bank = headless.bank();
    for ([[maybe_unused]] auto _ : state) {
        for (std::int16_t address = 0; address <= kHighestAddress; ++address) {
            bank.fctDMXStartAdress(address);
        }
        benchmark::DoNotOptimize(app.intStartAddress);
        benchmark::DoNotOptimize(headless.addressText().data());
    }
    state.counters["per_address"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kAddressCount,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["per_sweep"] =
        benchmark::Counter(static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SweepAllAddresses)->Unit(benchmark::kMicrosecond);

// What one Enter costs: the typed text checked and converted, then stored,
// shown and set on the switches.
void BM_EnterPath(benchmark::State& state) {
    std::array<std::string, kAddressCount> texts;
    for (int address = 0; address < kAddressCount; ++address) {
        texts[static_cast<std::size_t>(address)] = conv::toDecimalText(address);
    }
    modApp app;
    HeadlessSwitchBank headless(app);
    SwitchBank& bank = headless.bank();
    for ([[maybe_unused]] auto _ : state) {
        for (const std::string& text : texts) {
            bank.EnterStartAddress(parseStartAddress(text));
        }
        benchmark::DoNotOptimize(app.intStartAddress);
        benchmark::DoNotOptimize(headless.addressText().data());
    }
    state.counters["per_enter"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kAddressCount,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_EnterPath)->Unit(benchmark::kMicrosecond);

// The digit string of every 16-bit value, the widest range the switch bank
// ever passes in.
void BM_DecimalToBinary(benchmark::State& state) {
    constexpr int kLowest = -32768;
    constexpr int kHighest = 32767;
    for ([[maybe_unused]] auto _ : state) {
        for (int value = kLowest; value <= kHighest; ++value) {
            std::string digits = modBinaryDecimal::fctDecimalToBinary(value);
            benchmark::DoNotOptimize(digits.data());
            benchmark::ClobberMemory();
        }
    }
    state.SetItemsProcessed(state.iterations() * (kHighest - kLowest + 1));
    state.counters["per_call"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * (kHighest - kLowest + 1),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DecimalToBinary)->Unit(benchmark::kMillisecond);

// A ganged dimmer list: every fixture at address 1, so that every two of them
// share a channel, n(n-1)/2 pairs. Counting them must not mean listing them:
// the goal is 100,000 fixtures charted in well under a second.
void BM_ChartAllOnOneAddress(benchmark::State& state) {
    SwitchChart::Fixture dimmer;
    dimmer.address = 1;
    const std::vector<SwitchChart::Fixture> rig(static_cast<std::size_t>(state.range(0)), dimmer);
    for ([[maybe_unused]] auto _ : state) {
        const SwitchChart::Chart chart = SwitchChart::make(rig, SwitchChart::Unsettable::LeaveOut);
        benchmark::DoNotOptimize(chart.warnings.back().count);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ChartAllOnOneAddress)
    ->RangeMultiplier(10)
    ->Range(1000, 100'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

} // namespace
} // namespace brisolant
