#pragma once

#include "paintwatcher.h"

// One action: its wall time, the CPU time of this thread meanwhile, and
// whether the kernel took the CPU away in between.
struct Sample {
    double wallMicros = 0.0;
    double cpuMicros = 0.0;
    bool preempted = false;
};

// Starts the wall clock, the thread's CPU clock and the count of involuntary
// context switches at construction; stop() reads them against a paint stamp.
class Stopwatch final {
public:
    Stopwatch();

    [[nodiscard]] PaintWatcher::Clock::time_point start() const { return m_start; }
    [[nodiscard]] Sample stop(const PaintWatcher::Stamp& finished) const;

private:
    [[nodiscard]] static long involuntarySwitches();

    PaintWatcher::Clock::time_point m_start;
    double m_cpuStart;
    long m_switchesStart;
};
