#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace brisolant {

class ChartWindow;

// The chart windows of one ChartWindow::openFiles(): shows a message over
// parent for each file that cannot be charted, and, once every window has
// closed and every message has been answered, calls ended with how many
// files were charted and deletes itself.
class ChartOpening final : public QObject {
public:
    ChartOpening(QWidget* parent, std::function<void(int charted)> ended);

    void add(ChartWindow* window);
    // After the last add(); ended comes from the event loop, never before it runs.
    void start();

private:
    void refuse(const QString& why);
    void release();

    QPointer<QWidget> m_parent;
    std::function<void(int charted)> m_ended;
    int m_open = 1; // until start()
    int m_charted = 0;
};

} // namespace brisolant
