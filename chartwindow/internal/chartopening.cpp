#include "chartopening.h"

#include "chartwindow.h"

#include <QGuiApplication>
#include <QMessageBox>

#include <utility>

namespace brisolant {

ChartOpening::ChartOpening(QWidget* parent, std::function<void(int charted)> ended)
    : m_parent(parent)
    , m_ended(std::move(ended)) {}

void ChartOpening::add(ChartWindow* window) {
    ++m_open;
    connect(window, &ChartWindow::charted, this, [this] { ++m_charted; });
    connect(window, &ChartWindow::refused, this, &ChartOpening::refuse);
    connect(window, &QObject::destroyed, this, &ChartOpening::release);
}

void ChartOpening::start() {
    QMetaObject::invokeMethod(this, &ChartOpening::release, Qt::QueuedConnection);
}

void ChartOpening::refuse(const QString& why) {
    auto* box = new QMessageBox(QMessageBox::Warning, QGuiApplication::applicationDisplayName(),
                                why, QMessageBox::Ok, m_parent);
    // The file's own text is quoted in it: never rich text.
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    ++m_open;
    connect(box, &QObject::destroyed, this, &ChartOpening::release);
    box->open();
}

void ChartOpening::release() {
    if (--m_open == 0) {
        if (m_ended) {
            m_ended(m_charted);
        }
        deleteLater();
    }
}

} // namespace brisolant
