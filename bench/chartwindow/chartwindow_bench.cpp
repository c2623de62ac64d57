// The chart window's speed, with the window loaded as the program loads it,
// from its module:
//   brisolant_chartwindow_bench open FILE   opens FILE's chart window and ends
//       as soon as its first page has painted, so that the process can be
//       timed against the command line charting the same file;
//   brisolant_chartwindow_bench progress FILE  opens a FILE that takes long
//       to read and ends as soon as its window has painted the reading's
//       progress bar;
//   brisolant_chartwindow_bench pages FILE  opens it, then turns every page
//       with Page Down and times each page's paint, to the screen included;
//       prints the pages and p50, p99 and the maximum in milliseconds;
//   brisolant_chartwindow_bench floor       opens a window of the chart
//       window's size holding one label, and ends as soon as it has painted:
//       what any Qt Widgets window costs here before it shows anything.
// Exits 1 when the window does not open.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QLabel>
#include <QLibrary>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

// Ends the program once the watched widget, or any of the class named, has
// painted, at once: taking the window and the application down is no part of
// showing the page.
class FirstPaint final : public QObject {
public:
    explicit FirstPaint(const char* className = "QWidget")
        : m_className(className) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->inherits(m_className)) {
            // Queued: it runs after this paint has finished.
            QTimer::singleShot(0, qApp, [] { std::_Exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const char* m_className;
};

int fail(const char* what) {
    std::fprintf(stderr, "brisolant_chartwindow_bench: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    const QString mode = argc >= 2 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (argc != (mode == u"floor" ? 2 : 3) ||
        (mode != u"open" && mode != u"progress" && mode != u"pages" && mode != u"floor")) {
        std::fprintf(stderr,
                     "usage: brisolant_chartwindow_bench open|progress|pages FILE | floor\n");
        return 2;
    }
    const QApplication application(argc, argv);
    if (mode == u"floor") {
        QWidget window;
        // As the chart window sizes itself.
        const QSize room = QApplication::primaryScreen()->availableGeometry().size() * 0.9;
        window.resize(std::min(room.width(), 760), std::min(room.height(), 1000));
        QLabel label(QStringLiteral("Page 1 of 1"), &window);
        label.setGeometry(window.rect());
        FirstPaint firstPaint;
        label.installEventFilter(&firstPaint);
        window.show();
        return QApplication::exec();
    }
    const QString file = QString::fromLocal8Bit(argv[2]);
    QLibrary module(QStringLiteral(BRISOLANT_CHART_MODULE_PATH));
    using OpenCharts = bool (*)(const QStringList&, QWidget*, const std::function<void(int)>&);
    const auto openCharts = reinterpret_cast<OpenCharts>(module.resolve("brisolantOpenCharts"));
    const auto ended = [](int charted) {
        if (charted == 0) {
            std::_Exit(fail("no chart window opened"));
        }
    };
    if (openCharts == nullptr || !openCharts({file}, nullptr, ended)) {
        return fail("no chart window opened");
    }
    if (mode == u"progress") {
        // The bar is made once the reading has taken a moment.
        FirstPaint firstPaint("QProgressBar");
        QCoreApplication::instance()->installEventFilter(&firstPaint);
        QTimer::singleShot(10000, qApp,
                           [] { std::_Exit(fail("no progress shown: read at once")); });
        return QApplication::exec();
    }
    QAbstractScrollArea* view = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        view = view != nullptr ? view : window->findChild<QAbstractScrollArea*>("page");
    }
    if (view == nullptr) {
        return fail("the chart window has no page view");
    }
    if (mode == u"open") {
        FirstPaint firstPaint;
        view->viewport()->installEventFilter(&firstPaint);
        return QApplication::exec();
    }

    // The page shows once the file is read.
    if (!QTest::qWaitFor([view] { return view->isVisible(); }, 60000) ||
        !QTest::qWaitForWindowExposed(view->window())) {
        return fail("the chart window was never shown");
    }
    const auto* number = view->window()->findChild<QLabel*>("pageNumber");
    const int pages =
        QRegularExpression(QStringLiteral("(\\d+)$")).match(number->text()).captured(1).toInt();
    std::vector<double> millis;
    for (int page = 0; page < pages; ++page) {
        if (page > 0) {
            QTest::keyClick(view, Qt::Key_PageDown);
        }
        const auto start = std::chrono::steady_clock::now();
        view->viewport()->repaint();
        millis.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(millis.begin(), millis.end());
    const auto at = [&millis](double share) {
        return millis[static_cast<std::size_t>(share * static_cast<double>(millis.size() - 1))];
    };
    std::printf("%d pages painted: p50 %.2f ms, p99 %.2f ms, max %.2f ms\n", pages, at(0.5),
                at(0.99), millis.back());
    return number->text().startsWith(QStringLiteral("Page %1 ").arg(pages))
               ? 0
               : fail("not every page was shown");
}
