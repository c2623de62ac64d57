#include "stopwatch.h"

#include <sys/resource.h>

#include <chrono>

Stopwatch::Stopwatch()
    : m_start(PaintWatcher::Clock::now())
    , m_cpuStart(PaintWatcher::threadCpuMicros())
    , m_switchesStart(involuntarySwitches()) {}

Sample Stopwatch::stop(const PaintWatcher::Stamp& finished) const {
    return {std::chrono::duration<double, std::micro>(finished.wall - m_start).count(),
            finished.cpuMicros - m_cpuStart, involuntarySwitches() != m_switchesStart};
}

long Stopwatch::involuntarySwitches() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_nivcsw;
}
