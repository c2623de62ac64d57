#pragma once

#include <QObject>

#include <chrono>
#include <unordered_map>

class QWidget;

// Notes when each watched widget last finished painting, on the wall clock
// and on this thread's CPU clock. The paint is run inside the filter so that
// the stamp falls after paintEvent() returned, not before it started.
class PaintWatcher final : public QObject {
    Q_OBJECT

public:
    using Clock = std::chrono::steady_clock;

    struct Stamp {
        Clock::time_point wall;
        double cpuMicros = 0.0;
    };

    [[nodiscard]] static double threadCpuMicros();

    explicit PaintWatcher(QObject* parent = nullptr);

    void watch(QWidget* widget);
    // When widget last finished a paint; a default stamp if never.
    [[nodiscard]] Stamp lastPaint(const QWidget* widget) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unordered_map<const QObject*, Stamp> m_lastPaint;
};
