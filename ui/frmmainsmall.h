#pragma once

#include "handlerboundary.h"
#include "modapp.h"
#include "optionpair.h"
#include "services.h"
#include "switchbank.h"
#include "switchbankview.h"

#include <QWidget>

#include <array>

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;

namespace brisolant {

class FocusRing;
class RuntimeError;
class OptionButton;

// The program's one window: the address display, the nine switches, "Info"
// and "Exit". Its option buttons are the switch bank's positions and its
// label the bank's address text. Every event handler runs through the
// HandlerBoundary, so an error is reported and the program carries on.
//
// Controls carry their names as object names ("opt8_0", "lblAusgabe" ...).
//
// Keyboard: F2 opens the address editor anywhere in the window; Shift+F10 and
// the Menu key open the pop-up menu at the address display; Left and Right go
// from switch to switch as they stand; Enter presses "Info" and "Exit".
class frmMainSmall final : public QWidget, public SwitchBankView {
    Q_OBJECT

public:
    frmMainSmall(modApp& app, const WindowServices& services, QWidget* parent = nullptr);

    [[nodiscard]] OptionPair& positions(int digit) override;
    void setAddressText(std::string_view text) override;

Q_SIGNALS:
    // Every address the label is given, in order, nested recomputes included.
    void addressShown(const QString& text);
    // Local files dropped on the window, once the drop is over.
    void filesDropped(const QStringList& paths);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createControls();
    void createMenu();
    void setTabOrderFromLayout();
    void centreOnScreen();
    void describeSwitches(const QString& address);
    void moveAlongSwitches(int step);
    void popupFromKeyboard();
    void tellFocusAgain();

    [[nodiscard]] QLineEdit* addressEditor();
    // The editor's keys and focus; true when the event is used up.
    bool editorEvent(QEvent* event);

    void Form_Load();
    void lblAusgabe_DblClick();
    void lblAusgabe_MouseUp(Qt::MouseButton button, const QPoint& globalPosition);
    void txtInput_Enter();
    // The typed address, or a RuntimeError whose text refuses it in the user's language.
    [[nodiscard]] static std::int16_t typedAddress(const QString& typed);
    [[nodiscard]] static QString refusal(const RuntimeError& error, const QString& typed);
    void txtInput_Cancel();
    void mnuReset_Click();
    void mnuAbout_Click();
    void cmdInfo_Click();
    void cmdClose_Click();

    modApp& m_app;
    WindowServices m_services;
    HandlerBoundary m_boundary;
    std::array<OptionPair, kSwitchCount> m_positions;
    SwitchBank m_bank;

    QLabel* Image1 = nullptr;
    QLabel* lblAusgabe = nullptr;
    QLineEdit* txtInput = nullptr;
    QToolButton* cmdInfo = nullptr;
    QToolButton* cmdClose = nullptr;
    OptionButton* opt1 = nullptr;
    // Upper and lower position of each switch, in ascending order of weight.
    std::array<std::array<OptionButton*, 2>, kSwitchCount> m_halves{};
    QString m_describedAddress;
    FocusRing* m_focusRing = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuReset = nullptr;
    QAction* Line00 = nullptr;
    QAction* mnuAbout = nullptr;
};

} // namespace brisolant
