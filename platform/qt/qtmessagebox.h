#pragma once

#include "messagebox.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace brisolant {

// A modal QMessageBox with one OK button, no icon and the application's title.
class QtMessageBox final : public MessageBox {
public:
    explicit QtMessageBox(QWidget* parent = nullptr);

    void setParent(QWidget* parent) { m_parent = parent; }
    void show(std::string_view text) override;

    // The program breaks lines with a lone carriage return; Qt's rich-text
    // detection and layout want line feeds. Converted only for display.
    [[nodiscard]] static QString displayText(std::string_view text);

private:
    QPointer<QWidget> m_parent;
};

} // namespace brisolant
