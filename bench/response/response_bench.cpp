// How fast the window answers, measured in process from the user's action to
// the repaint it causes:
//   click: a mouse click on a switch position until the address label has
//          painted the new address;
//   enter: Enter in the address editor until the label and every option
//          button whose state changed have painted;
//   read:  with a file named, clicks as the first, a millisecond apart,
//          while the file, dropped on the window, is read, until its chart
//          window shows the chart.
//
//   brisolant_response_bench [clicks] [enters] [file]
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM names another.
// Prints p50, p99 and the maximum in microseconds, of the wall time and of the
// CPU time the thread spent, and how many actions the kernel preempted: on a
// busy machine a preempted action waits a whole scheduler tick. On X the
// server shares the cores and wakes in nearly every action, so there that
// count says little. Then machine-readable lines per measurement. Exits 1 if
// an action does not show what it should.

#include "frmmainsmall.h"
#include "paintwatcher.h"
#include "stopwatch.h"
#include "windowdriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLibrary>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <vector>

namespace {

using Clock = PaintWatcher::Clock;
constexpr int kSwitchCount = brisolant::SwitchBankView::kSwitchCount;

constexpr auto kGiveUpAfter = std::chrono::seconds(2);

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "brisolant_response_bench: %s\n", what);
    std::exit(1);
}

// Processes events until done() holds; false if it never did in time.
template <typename Done> [[nodiscard]] bool processUntil(Done done) {
    const auto deadline = Clock::now() + kGiveUpAfter;
    while (!done()) {
        if (Clock::now() > deadline) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return true;
}

struct Summary {
    double p50;
    double p99;
    double max;
};

[[nodiscard]] Summary summarise(std::vector<double> micros) {
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double quantile) {
        const auto rank = std::size_t(quantile * double(micros.size()) + 0.999999);
        return micros.at(std::clamp<std::size_t>(rank, 1, micros.size()) - 1);
    };
    return {at(0.50), at(0.99), micros.back()};
}

class Bench final {
public:
    Bench()
        : m_window(m_app, m_fakes.services()) {
        m_label = find<QLabel>(QStringLiteral("lblAusgabe"));
        m_watcher.watch(m_label);
        for (int digit = 0; digit < kSwitchCount; ++digit) {
            const QString stem = QStringLiteral("opt%1").arg(1 << digit);
            for (const bool on : {false, true}) {
                auto* button = find<QAbstractButton>(on ? stem + QStringLiteral("_0") : stem);
                m_positions.at(std::size_t(digit)).at(on ? 1 : 0) = button;
                m_watcher.watch(button);
            }
        }
        m_window.show();
        // The editor hides when it loses the focus, and only an active window
        // moves the focus; no window manager activates it under Xvfb.
        m_window.activateWindow();
        if (!QTest::qWaitForWindowActive(&m_window)) {
            fail("the window never became active");
        }
        settle();
    }

    // Clicks the other position of a random switch.
    [[nodiscard]] Sample clickOnce() {
        const auto digit = std::size_t(m_random() % kSwitchCount);
        const bool isOn = m_positions.at(digit).at(1)->isChecked();
        QAbstractButton* target = m_positions.at(digit).at(isOn ? 0 : 1);
        const QString expected =
            QString::number(m_app.intStartAddress + (isOn ? -1 : 1) * (1 << digit));

        const Stopwatch stopwatch;
        const auto start = stopwatch.start();
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
        if (!processUntil([&] { return m_watcher.lastPaint(m_label).wall > start; })) {
            fail("the label was not repainted after a click");
        }
        const auto painted = m_watcher.lastPaint(m_label);
        if (m_label->text() != expected) {
            fail("a click did not show the expected address");
        }
        return stopwatch.stop(painted);
    }

    // Types a random other address and measures only the Enter.
    [[nodiscard]] Sample enterOnce() {
        int address = int(m_random() % 512);
        if (address == m_app.intStartAddress) {
            address = (address + 1) % 512;
        }
        const QString text = QString::number(address);
        QTest::mouseDClick(m_label, Qt::LeftButton);
        // The window makes its address editor on the first double-click.
        if (m_editor == nullptr) {
            m_editor = find<QLineEdit>(QStringLiteral("txtInput"));
        }
        QTest::keyClick(m_editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(m_editor, text);
        settle();

        std::array<std::array<bool, 2>, kSwitchCount> before{};
        for (std::size_t digit = 0; digit < before.size(); ++digit) {
            for (std::size_t slot = 0; slot < 2; ++slot) {
                before.at(digit).at(slot) = m_positions.at(digit).at(slot)->isChecked();
            }
        }

        const Stopwatch stopwatch;
        const auto start = stopwatch.start();
        QTest::keyClick(m_editor, Qt::Key_Return);
        std::vector<const QWidget*> changed{m_label};
        for (std::size_t digit = 0; digit < before.size(); ++digit) {
            for (std::size_t slot = 0; slot < 2; ++slot) {
                if (m_positions.at(digit).at(slot)->isChecked() != before.at(digit).at(slot)) {
                    changed.push_back(m_positions.at(digit).at(slot));
                }
            }
        }
        const auto allPainted = [&] {
            return std::all_of(changed.begin(), changed.end(), [&](const QWidget* widget) {
                return m_watcher.lastPaint(widget).wall > start;
            });
        };
        if (!processUntil(allPainted)) {
            fail("the bank was not repainted after Enter");
        }
        PaintWatcher::Stamp last{start, 0.0};
        for (const QWidget* widget : changed) {
            const PaintWatcher::Stamp painted = m_watcher.lastPaint(widget);
            if (painted.wall > last.wall) {
                last = painted;
            }
        }
        if (m_label->text() != text || m_app.intStartAddress != address ||
            (m_editor != nullptr && m_editor->isVisible())) {
            fail("Enter did not show the typed address");
        }
        return stopwatch.stop(last);
    }

    [[nodiscard]] QWidget& window() { return m_window; }

private:
    template <typename T> [[nodiscard]] T* find(const QString& name) const {
        auto* widget = m_window.findChild<T*>(name);
        if (widget == nullptr) {
            fail("a control of the window is missing");
        }
        return widget;
    }

    // Lets every pending paint happen before a measurement starts.
    static void settle() {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
    }

    brisolant::testing::Fakes m_fakes;
    brisolant::modApp m_app;
    brisolant::frmMainSmall m_window;
    PaintWatcher m_watcher;
    QLabel* m_label = nullptr;
    QLineEdit* m_editor = nullptr;
    std::array<std::array<QAbstractButton*, 2>, kSwitchCount> m_positions{};
    std::mt19937 m_random{20240601U};
};

void report(const char* name, const char* what, const std::vector<Sample>& samples) {
    std::vector<double> wall;
    std::vector<double> cpu;
    std::vector<double> undisturbed;
    for (const Sample& sample : samples) {
        wall.push_back(sample.wallMicros);
        cpu.push_back(sample.cpuMicros);
        if (!sample.preempted) {
            undisturbed.push_back(sample.wallMicros);
        }
    }
    const Summary w = summarise(wall);
    const Summary c = summarise(cpu);
    const std::size_t preempted = samples.size() - undisturbed.size();
    std::printf("%-6s %-46s %6zu %8.1f %8.1f %8.1f %8.1f %8.1f %8.1f %9zu\n", name, what,
                samples.size(), w.p50, w.p99, w.max, c.p50, c.p99, c.max, preempted);
    std::printf("response_%s_wall_us n=%zu p50=%.1f p99=%.1f max=%.1f\n", name, samples.size(),
                w.p50, w.p99, w.max);
    std::printf("response_%s_cpu_us n=%zu p50=%.1f p99=%.1f max=%.1f\n", name, samples.size(),
                c.p50, c.p99, c.max);
    if (!undisturbed.empty()) {
        const Summary u = summarise(undisturbed);
        std::printf("response_%s_unpreempted_wall_us n=%zu p50=%.1f p99=%.1f max=%.1f\n", name,
                    undisturbed.size(), u.p50, u.p99, u.max);
    }
}

// How long a dropped file took until its chart was shown, and the longest
// the event loop was held between two clicks: a click waits that long.
struct Reading {
    double millis = 0;
    double longestHeldMillis = 0;
};

// Drops file on the window, as the program opens a dropped file, and clicks
// until its chart window shows the chart.
[[nodiscard]] std::vector<Sample> clicksWhileReading(Bench& bench, const char* file,
                                                     Reading& reading) {
    QLibrary module(QStringLiteral(BRISOLANT_CHART_MODULE_PATH));
    using OpenCharts = bool (*)(const QStringList&, QWidget*, const std::function<void(int)>&);
    const auto openCharts = reinterpret_cast<OpenCharts>(module.resolve("brisolantOpenCharts"));
    const auto charted = [] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::any_of(windows.begin(), windows.end(), [](const QWidget* window) {
            const auto* page = window->findChild<QWidget*>(QStringLiteral("page"));
            return page != nullptr && page->isVisible();
        });
    };
    const auto start = Clock::now();
    if (openCharts == nullptr ||
        !openCharts({QString::fromLocal8Bit(file)}, &bench.window(), [](int) {})) {
        fail("the chart module cannot be loaded");
    }
    std::vector<Sample> samples;
    while (!charted()) {
        if (Clock::now() - start > std::chrono::minutes(1)) {
            fail("the dropped file was never charted");
        }
        samples.push_back(bench.clickOnce());
        // Idle a moment, as between any two clicks of a person's: Qt's timers,
        // the chart window's among them, run when the event loop is idle. The
        // chart, once read, is shown in one of these.
        const auto idle = Clock::now();
        QTest::qWait(1);
        reading.longestHeldMillis =
            std::max(reading.longestHeldMillis,
                     std::chrono::duration<double, std::milli>(Clock::now() - idle).count() - 1);
    }
    reading.millis = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    return samples;
}

[[nodiscard]] int count(int argc, char* argv[], int index, int fallback) {
    if (argc <= index) {
        return fallback;
    }
    const int value = std::atoi(argv[index]);
    if (value <= 0) {
        fail("counts must be positive numbers");
    }
    return value;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const int clicks = count(argc, argv, 1, 5000);
    const int enters = count(argc, argv, 2, 2000);

    Bench bench;
    // The first actions fill caches (glyphs, pixmaps); they are not counted.
    for (int i = 0; i < 50; ++i) {
        (void)bench.clickOnce();
        (void)bench.enterOnce();
    }

    std::vector<Sample> clickSamples;
    clickSamples.reserve(std::size_t(clicks));
    for (int i = 0; i < clicks; ++i) {
        clickSamples.push_back(bench.clickOnce());
    }
    std::vector<Sample> enterSamples;
    enterSamples.reserve(std::size_t(enters));
    for (int i = 0; i < enters; ++i) {
        enterSamples.push_back(bench.enterOnce());
    }

    std::printf("Response on platform %s, microseconds (wall and thread CPU time)\n",
                qPrintable(QApplication::platformName()));
    std::printf("%-6s %-46s %6s %8s %8s %8s %8s %8s %8s %9s\n", "action", "until", "n", "wall p50",
                "p99", "max", "cpu p50", "p99", "max", "preempted");
    report("click", "switch position clicked -> label painted", clickSamples);
    report("enter", "Enter -> label, changed switches painted", enterSamples);
    if (argc > 3) {
        Reading reading;
        const std::vector<Sample> readSamples = clicksWhileReading(bench, argv[3], reading);
        report("read", "click while a dropped file is read -> painted", readSamples);
        std::printf("read: %.0f ms until the chart was shown; the event loop held at most "
                    "%.1f ms between two clicks\n",
                    reading.millis, reading.longestHeldMillis);
    }
    return 0;
}
