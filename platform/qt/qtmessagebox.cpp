#include "qtmessagebox.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace brisolant {

QtMessageBox::QtMessageBox(QWidget* parent)
    : m_parent(parent) {}

void QtMessageBox::show(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                    displayText(text), QMessageBox::Ok, m_parent);
    // The text is the user's own in places (a typed address): never rich text.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    // Give the keyboard back to the window the box stood over, rather than
    // count on a window manager to do it: there may be none (a kiosk).
    if (m_parent != nullptr) {
        m_parent->activateWindow();
    }
}

QString QtMessageBox::displayText(std::string_view text) {
    QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace brisolant
