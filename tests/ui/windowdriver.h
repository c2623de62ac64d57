#pragma once

#include "appinformation.h"
#include "clock.h"
#include "frmmainsmall.h"
#include "messagebox.h"
#include "programend.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

namespace brisolant::testing {

// The window's services, recording what the program asks of them.
class Fakes final : public MessageBox, public AppInformation, public Clock, public ProgramEnd {
public:
    void show(std::string_view text) override { messages.emplace_back(text); }
    [[nodiscard]] std::string executableBaseName() const override { return name; }
    [[nodiscard]] std::int16_t major() const override { return 1; }
    [[nodiscard]] std::int16_t minor() const override { return 3; }
    [[nodiscard]] std::int16_t revision() const override { return revisionNumber; }
    [[nodiscard]] int currentYear() const override { return year; }
    void endProgram() override { ++ends; }
    [[nodiscard]] WindowServices services() { return {*this, *this, *this, *this}; }

    std::vector<std::string> messages;
    std::string name = "Brisolant";
    std::int16_t revisionNumber = 0;
    int year = 2026;
    int ends = 0;
};

// A main window over fakes, driven by real mouse and key events; records every address shown.
class WindowDriver final {
public:
    explicit WindowDriver(MessageBox* messageBox = nullptr)
        : window(app, {messageBox ? *messageBox : fakes, fakes, fakes, fakes}) {
        QObject::connect(&window, &frmMainSmall::addressShown, &window,
                         [this](const QString& text) { shown << text; });
        window.show();
    }

    template <typename T = QWidget> [[nodiscard]] T* get(const QString& name) const {
        auto* widget = window.findChild<T*>(name);
        if (widget == nullptr) {
            qFatal("no control named %s", qPrintable(name));
        }
        return widget;
    }
    [[nodiscard]] QLabel* label() const { return get<QLabel>(QStringLiteral("lblAusgabe")); }
    // The address editor exists from the first double-click on.
    [[nodiscard]] QLineEdit* editor() const { return get<QLineEdit>(QStringLiteral("txtInput")); }
    [[nodiscard]] bool editing() const {
        const auto* box = window.findChild<QLineEdit*>(QStringLiteral("txtInput"));
        return box != nullptr && box->isVisible();
    }
    [[nodiscard]] QAbstractButton* position(int weight, bool on) const {
        return get<QAbstractButton>(QStringLiteral("opt%1%2").arg(weight).arg(on ? "_0" : ""));
    }

    void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(widget, button, Qt::NoModifier, widget->rect().center());
    }
    void clickPosition(int weight, bool on) { click(position(weight, on)); }
    void openEditor() { QTest::mouseDClick(label(), Qt::LeftButton); }
    // Replaces the editor's text, which is selected when it opens or refuses one.
    void type(const QString& text) {
        QTest::keyClick(editor(), Qt::Key_Delete);
        QTest::keyClicks(editor(), text);
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // What users rely on: the label shows the sum of the ON switches, as intStartAddress.
    [[nodiscard]] bool consistent() const {
        int sum = 0;
        for (int weight = 1; weight <= 256; weight *= 2) {
            sum += position(weight, true)->isChecked() ? weight : 0;
        }
        return label()->text() == QString::number(sum) && app.intStartAddress == sum;
    }

    // Runs action; a pop-up it opens goes to onPopup, then is closed if still open.
    void withPopup(const std::function<void()>& action,
                   const std::function<void(QWidget*)>& onPopup) {
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, &watcher, [&] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                watcher.stop();
                onPopup(popup);
                if (QApplication::activePopupWidget() == popup) {
                    popup->close();
                }
            }
        });
        watcher.start(0);
        action();
    }

    Fakes fakes;
    modApp app;
    frmMainSmall window;
    QStringList shown;
};

} // namespace brisolant::testing
