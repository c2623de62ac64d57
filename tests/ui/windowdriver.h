#pragma once

#include "fakeservices.h"
#include "frmmainsmall.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <array>
#include <bit>
#include <functional>
#include <memory>

namespace brisolant::testing {

// A main window over fake services, driven the way a user drives it: through
// real mouse and key events on its controls.
class WindowDriver final {
public:
    WindowDriver()
        : window(std::make_unique<frmMainSmall>(app, fakes.services())) {
        for (int digit = 0; digit < 9; ++digit) {
            for (const bool on : {false, true}) {
                positions.at(digit).at(on) = control<QAbstractButton>(
                    QStringLiteral("opt%1%2").arg(1 << digit).arg(on ? "_0" : ""));
            }
        }
        window->show();
    }

    [[nodiscard]] bool waitUntilActive() { return QTest::qWaitForWindowActive(window.get()); }

    template <typename T = QWidget> [[nodiscard]] T* control(const QString& name) const {
        auto* widget = window->findChild<T*>(name);
        if (widget == nullptr) {
            qFatal("no control named %s", qPrintable(name));
        }
        return widget;
    }

    [[nodiscard]] QLabel* label() const { return labelControl; }
    // The address editor exists from the first double-click on.
    [[nodiscard]] QLineEdit* editor() const {
        return control<QLineEdit>(QStringLiteral("txtInput"));
    }
    [[nodiscard]] bool editorShown() const {
        const auto* editor = window->findChild<QLineEdit*>(QStringLiteral("txtInput"));
        return editor != nullptr && editor->isVisible();
    }
    [[nodiscard]] QAbstractButton* position(int weight, bool on) const {
        return positions.at(std::countr_zero(unsigned(weight))).at(on);
    }

    void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(widget, button, Qt::NoModifier, widget->rect().center());
    }
    void clickPosition(int weight, bool on) { click(position(weight, on)); }
    void openEditor() { QTest::mouseDClick(label(), Qt::LeftButton); }
    // Replaces the editor's text as a user would: select all, then type.
    void typeInEditor(const QString& text) {
        QTest::keyClick(editor(), Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty()) {
            QTest::keyClick(editor(), Qt::Key_Delete);
        } else {
            QTest::keyClicks(editor(), text);
        }
    }
    void pressInEditor(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(editor(), key, modifiers);
    }
    void enterAddress(const QString& text) {
        openEditor();
        typeInEditor(text);
        pressInEditor(Qt::Key_Return);
    }

    // The weights of the switches that are ON, as the buttons show them.
    [[nodiscard]] QList<int> onWeights() const {
        QList<int> weights;
        for (int weight = 1; weight <= 256; weight *= 2) {
            if (position(weight, true)->isChecked()) {
                weights << weight;
            }
        }
        return weights;
    }

    // What users rely on: the label shows the sum of the ON switches, and
    // intStartAddress holds it.
    [[nodiscard]] bool addressMatchesSwitches() const {
        int sum = 0;
        for (const int weight : onWeights()) {
            sum += weight;
        }
        return label()->text() == QString::number(sum) && app.intStartAddress == sum;
    }

    // Runs action; if it opens a pop-up menu, hands the menu to onPopup (which
    // may choose an item by keys) and closes whatever is left open.
    // Returns whether a pop-up opened.
    bool withPopup(const std::function<void()>& action,
                   const std::function<void(QWidget*)>& onPopup = {}) {
        bool opened = false;
        QTimer watcher;
        watcher.setInterval(0);
        QObject::connect(&watcher, &QTimer::timeout, &watcher, [&] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                opened = true;
                watcher.stop();
                if (onPopup) {
                    onPopup(popup);
                }
                if (QApplication::activePopupWidget() == popup) {
                    popup->close();
                }
            }
        });
        watcher.start();
        action();
        QTest::qWait(20);
        return opened;
    }

    FakeServices fakes;
    modApp app;
    std::unique_ptr<frmMainSmall> window;

private:
    std::array<std::array<QAbstractButton*, 2>, 9> positions{};
    QLabel* labelControl = control<QLabel>(QStringLiteral("lblAusgabe"));
};

} // namespace brisolant::testing
