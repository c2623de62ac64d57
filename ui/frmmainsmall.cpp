#include "frmmainsmall.h"

#include "conversions.h"
#include "focusring.h"
#include "formlayout.h"
#include "optionbutton.h"
#include "programend.h"
#include "runtimeerror.h"
#include "showabout.h"

#include <QAccessible>
#include <QAction>
#include <QDropEvent>
#include <QFocusEvent>
#include <QFont>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <vector>

namespace brisolant {

namespace {

const QString kCaption = QStringLiteral("Brisolant");

const QString kCaptionFace = QStringLiteral("MS Sans Serif");

// The captions' face was a Windows bitmap font; where it is missing the
// nearest sans-serif of the machine stands in at the same sizes and weight.
void installCaptionFaceSubstitutes() {
    QFont::insertSubstitutions(kCaptionFace,
                               {QStringLiteral("Microsoft Sans Serif"),
                                QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
}

QFont captionFont(qreal pointSize) {
    QFont font(kCaptionFace);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Bold);
    return font;
}

// A picture of a known format. Naming the format spares asking every image
// plugin whether it can read the file, which would load them all at start.
QPixmap readPicture(const QString& path, const char* format) {
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// The button pictures are drawn on white, which shows the button face. The
// double-size one only where the screen has the pixels for it.
QIcon pictureWithWhiteTransparent(const QString& name, qreal devicePixelRatio) {
    const bool doubleSize = devicePixelRatio > 1.0;
    QPixmap picture = readPicture(QStringLiteral(":/pictures/%1%2.bmp")
                                      .arg(name, doubleSize ? QStringLiteral("@2x") : QString()),
                                  "bmp");
    picture.setMask(picture.createMaskFromColor(Qt::white, Qt::MaskInColor));
    picture.setDevicePixelRatio(doubleSize ? 2.0 : 1.0);
    return {picture};
}

QString weightText(int digit) {
    return QString::number(1 << digit);
}

QStringList localFiles(const QMimeData* data) {
    QStringList paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            paths.append(url.toLocalFile());
        }
    }
    return paths;
}

} // namespace

frmMainSmall::frmMainSmall(modApp& app, const WindowServices& services, QWidget* parent)
    : QWidget(parent)
    , m_app(app)
    , m_services(services)
    , m_boundary(services.messageBox)
    , m_bank(*this, app) {
    setObjectName(QStringLiteral("frmMainSmall"));
    m_bank.connectPositions();
    createControls();
    createMenu();
    setTabOrderFromLayout();

    // Every size a window manager or task bar asks for, none scaled from another.
    QIcon icon;
    for (const int size : {16, 32, 64}) {
        icon.addPixmap(readPicture(QStringLiteral(":/pictures/brisolant-%1.png").arg(size), "png"));
    }
    setWindowIcon(icon);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(formlayout::toPixels(formlayout::kClientWidth),
                 formlayout::toPixels(formlayout::kClientHeight));
    // A patch list or show file dropped here opens its chart.
    setAcceptDrops(true);
    Form_Load();
    centreOnScreen();
    opt1->setFocus(Qt::OtherFocusReason);
}

void frmMainSmall::createControls() {
    using formlayout::pixelRect;
    using formlayout::placement;

    installCaptionFaceSubstitutes();
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(pixelRect(placement("Image1")));
    Image1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Image1->setLineWidth(1);
    Image1->setScaledContents(true);
    const bool hiDpi = devicePixelRatioF() > 1.0;
    Image1->setPixmap(readPicture(hiDpi ? QStringLiteral(":/pictures/display@2x.jpg")
                                        : QStringLiteral(":/pictures/display.jpg"),
                                  "jpeg"));

    lblAusgabe = new QLabel(QStringLiteral("0"), this);
    lblAusgabe->setObjectName(QStringLiteral("lblAusgabe"));
    lblAusgabe->setGeometry(pixelRect(placement("lblAusgabe")));
    lblAusgabe->setAlignment(Qt::AlignCenter);
    lblAusgabe->setFont(captionFont(12.0));
    QPalette red = lblAusgabe->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    lblAusgabe->setPalette(red);
    lblAusgabe->setAccessibleDescription(tr("DMX start address. Press F2 to type an address."));
    lblAusgabe->installEventFilter(this);

    const auto pictureButton = [this](const char* name, const QString& caption,
                                      const QString& picture) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(pixelRect(placement(name)));
        button->setText(caption);
        button->setIcon(pictureWithWhiteTransparent(picture, devicePixelRatioF()));
        button->setIconSize(QSize(32, 32));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setFont(captionFont(9.75));
        button->setFocusPolicy(Qt::StrongFocus);
        return button;
    };
    //: The button that shows the About message; the window's size is fixed, so keep it short.
    cmdInfo = pictureButton("cmdInfo", tr("Info"), QStringLiteral("info"));
    //: The button that ends the program; the window's size is fixed, so keep it short.
    cmdClose = pictureButton("cmdClose", tr("Exit"), QStringLiteral("close"));
    connect(cmdInfo, &QToolButton::clicked, this, &frmMainSmall::cmdInfo_Click);
    connect(cmdClose, &QToolButton::clicked, this, &frmMainSmall::cmdClose_Click);
    m_focusRing = new FocusRing(this);
    for (QToolButton* button : {cmdInfo, cmdClose}) {
        m_focusRing->watch(*button, 3);
        button->installEventFilter(this);
    }

    for (int digit = 0; digit < kSwitchCount; ++digit) {
        const std::string_view frameName = formlayout::kSwitchFrames.at(digit);
        auto* frame = new QWidget(this);
        frame->setObjectName(QString::fromLatin1(frameName.data(), qsizetype(frameName.size())));
        frame->setGeometry(pixelRect(placement(frameName)));

        const QString weight = weightText(digit);
        const QString offName = QStringLiteral("opt") + weight;
        const QString onName = offName + QStringLiteral("_0");
        auto* off = new OptionButton(m_positions.at(digit), kOffPosition, m_boundary, frame);
        auto* on = new OptionButton(m_positions.at(digit), kOnPosition, m_boundary, frame);
        off->setObjectName(offName);
        on->setObjectName(onName);
        off->setText(weight);
        //: The caption of a switch's lower half, which selects ON; 25 pixels wide.
        on->setText(tr("0"));
        off->setGeometry(pixelRect(placement(offName.toStdString())));
        on->setGeometry(pixelRect(placement(onName.toStdString())));
        //: A screen reader's name of a switch's upper half; %1 is the switch's weight.
        off->setAccessibleName(tr("Switch %1 OFF").arg(weight));
        //: A screen reader's name of a switch's lower half; %1 is the switch's weight.
        on->setAccessibleName(tr("Switch %1 ON").arg(weight));
        OptionButton::bindPair(m_positions.at(digit), *off, *on);
        m_halves.at(digit) = {off, on};
        if (digit == 0) {
            opt1 = off;
        }
    }

    describeSwitches(lblAusgabe->text());

    // The picture lies under the address; the editor, once made, over both.
    Image1->lower();
}

void frmMainSmall::createMenu() {
    // Never a menu bar: the menu exists only as the address display's pop-up.
    //: The title of the pop-up menu, never shown; German in every language so far.
    mnuFile = new QMenu(tr("&Datei"), this);
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    //: A menu item: all switches OFF.
    mnuReset = mnuFile->addAction(tr("Reset"));
    mnuReset->setObjectName(QStringLiteral("mnuReset"));
    Line00 = mnuFile->addSeparator();
    Line00->setObjectName(QStringLiteral("Line00"));
    mnuAbout = mnuFile->addAction(tr("About..."));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    connect(mnuReset, &QAction::triggered, this, &frmMainSmall::mnuReset_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmMainSmall::mnuAbout_Click);
}

void frmMainSmall::setTabOrderFromLayout() {
    std::vector<const formlayout::Placement*> ordered;
    for (const auto& control : formlayout::kControls) {
        if (control.tabIndex) {
            ordered.push_back(&control);
        }
    }
    std::sort(ordered.begin(), ordered.end(),
              [](const auto* a, const auto* b) { return *a->tabIndex < *b->tabIndex; });
    QWidget* previous = nullptr;
    for (const auto* control : ordered) {
        auto* widget = findChild<QWidget*>(
            QString::fromLatin1(control->name.data(), qsizetype(control->name.size())));
        // Frames and the label have a tab index but never take the focus.
        if (widget == nullptr || widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void frmMainSmall::centreOnScreen() {
    if (const QScreen* display = screen()) {
        QRect area = rect();
        area.moveCenter(display->availableGeometry().center());
        move(area.topLeft());
    }
}

OptionPair& frmMainSmall::positions(int digit) {
    return m_positions.at(digit);
}

void frmMainSmall::setAddressText(std::string_view text) {
    const QString shown = QString::fromLatin1(text.data(), qsizetype(text.size()));
    lblAusgabe->setText(shown);
    // QLabel does not tell screen readers that its text changed; the address
    // is what they must hear.
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(lblAusgabe, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
    describeSwitches(shown);
    Q_EMIT addressShown(shown);
}

void frmMainSmall::describeSwitches(const QString& address) {
    // Screen readers speak the focused control, not a label that changes, so
    // every switch position carries the address: the one with the focus has it
    // spoken when it changes, the one taking the focus when it is reached.
    if (address == m_describedAddress) {
        return;
    }
    m_describedAddress = address;
    for (int digit = 0; digit < kSwitchCount; ++digit) {
        const QString weight = weightText(digit);
        m_halves.at(digit)[0]->setAccessibleDescription(
            tr("Start address %1. Upper half of the switch of weight %2: selected while it is OFF.")
                .arg(address, weight));
        m_halves.at(digit)[1]->setAccessibleDescription(
            tr("Start address %1. Lower half of the switch of weight %2: selected while it is ON "
               "and %2 counts in the address.")
                .arg(address, weight));
    }
}

bool frmMainSmall::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblAusgabe) {
        if (event->type() == QEvent::MouseButtonDblClick &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_boundary.run([this] { lblAusgabe_DblClick(); });
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            lblAusgabe_MouseUp(mouse->button(), mouse->globalPosition().toPoint());
            return true;
        }
    } else if (watched == cmdInfo || watched == cmdClose) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            // Enter presses a focused button as Space does.
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                static_cast<QToolButton*>(watched)->click();
                return true;
            }
        }
    } else if (watched == txtInput && editorEvent(event)) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool frmMainSmall::editorEvent(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        // Seen before the box takes the key; any shift state counts.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            txtInput_Enter();
            return true;
        }
        if (key == Qt::Key_Escape) {
            txtInput_Cancel();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // A message box or a pop-up over the box is not leaving it.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            txtInput->hide();
        }
    }
    return false;
}

void frmMainSmall::keyPressEvent(QKeyEvent* event) {
    // Keys the focused control left unused.
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool editing = txtInput != nullptr && txtInput->isVisible();
    if (key == Qt::Key_F2 && modifiers == Qt::NoModifier) {
        if (!editing) {
            m_boundary.run([this] { lblAusgabe_DblClick(); });
        }
    } else if ((key == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
               (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        // In the editor the Menu key is the editor's own menu.
        if (!editing) {
            popupFromKeyboard();
        }
    } else if ((key == Qt::Key_Left || key == Qt::Key_Right) && modifiers == Qt::NoModifier) {
        moveAlongSwitches(key == Qt::Key_Left ? -1 : 1);
    } else {
        QWidget::keyPressEvent(event);
    }
}

void frmMainSmall::dragEnterEvent(QDragEnterEvent* event) {
    if (!localFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void frmMainSmall::dropEvent(QDropEvent* event) {
    const QStringList paths = localFiles(event->mimeData());
    if (paths.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // Told after the drop: the program the files came from waits for its end,
    // and would wait on a message box about a file that cannot be charted.
    QTimer::singleShot(0, this, [this, paths] { Q_EMIT filesDropped(paths); });
}

void frmMainSmall::moveAlongSwitches(int step) {
    // The window's own focus widget, not the application's: the keys also
    // come while another window is active (an assistive tool driving this one).
    const QWidget* focused = focusWidget();
    for (int digit = 0; digit < kSwitchCount; ++digit) {
        const auto& halves = m_halves.at(digit);
        const int next = digit + step;
        if ((halves[0] == focused || halves[1] == focused) && next >= 0 && next < kSwitchCount) {
            // Onto the neighbour's selected position, where Tab would stop.
            const bool on = m_positions.at(next).value(kOnPosition);
            m_halves.at(next)[on ? 1 : 0]->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void frmMainSmall::popupFromKeyboard() {
    // Under the address display, with the first item ready for Enter as
    // keyboard menus have it (and a screen reader has an item to speak).
    QTimer::singleShot(0, mnuFile, [this] { mnuFile->setActiveAction(mnuReset); });
    mnuFile->exec(Image1->mapToGlobal(QPoint(0, Image1->height())));
    tellFocusAgain();
}

void frmMainSmall::tellFocusAgain() {
    // A closed pop-up gives the focus back without telling screen readers,
    // which would go on presenting the menu and miss what its item changed.
    QWidget* focused = focusWidget();
    if (focused != nullptr && QAccessible::isActive()) {
        QAccessibleEvent event(focused, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void frmMainSmall::Form_Load() {
    setWindowTitle(kCaption);
    // txtInput is set up hidden when it is first needed (addressEditor()).
}

QLineEdit* frmMainSmall::addressEditor() {
    // Made on the first double-click rather than with the window: a line edit
    // lays out its text as it is constructed, which would start the font
    // system before the window is on the screen and delay its first showing.
    if (txtInput != nullptr) {
        return txtInput;
    }
    txtInput = new QLineEdit(this);
    txtInput->setObjectName(QStringLiteral("txtInput"));
    txtInput->hide();
    // It covers the picture exactly: Image1's left edge, width and height, and
    // its own top, which the table already puts level with the picture's.
    const QRect placed = formlayout::pixelRect(formlayout::placement("txtInput"));
    txtInput->setGeometry(Image1->x(), placed.y(), Image1->width(), Image1->height());
    txtInput->setAccessibleName(tr("Start address"));
    txtInput->setAccessibleDescription(
        tr("Type a start address from 0 to 511 and press Enter; Escape cancels."));
    txtInput->installEventFilter(this);
    m_focusRing->watch(*txtInput, 1);
    txtInput->raise();
    // Last in the Tab order, after "Info".
    setTabOrder(cmdInfo, txtInput);
    return txtInput;
}

void frmMainSmall::lblAusgabe_DblClick() {
    QLineEdit* editor = addressEditor();
    // Focused before its text is set, so that a screen reader presents the
    // box first and then the address in it.
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
    editor->setText(QString::fromStdString(conv::toDecimalText(m_app.intStartAddress)));
    // Typing replaces the address, as in any in-place editor.
    editor->selectAll();
}

void frmMainSmall::lblAusgabe_MouseUp(Qt::MouseButton button, const QPoint& globalPosition) {
    // Not run through the boundary: the menu's own handlers are, and an error
    // must not travel back through the menu's event loop.
    if (button == Qt::RightButton) {
        mnuFile->exec(globalPosition);
        tellFocusAgain();
    }
}

void frmMainSmall::txtInput_Enter() {
    const bool accepted = m_boundary.run([this] {
        const std::int16_t address = typedAddress(txtInput->text());
        // The switches move first, so that opt1 takes the focus with the new
        // address already in what a screen reader speaks of it.
        m_bank.EnterStartAddress(address);
        opt1->setFocus(Qt::OtherFocusReason);
    });
    if (accepted) {
        // A window that is not the active one gets no focus-out to hide it.
        txtInput->hide();
    } else {
        // Refused: nothing changed, and the user corrects the text in place.
        txtInput->setFocus(Qt::OtherFocusReason);
        txtInput->selectAll();
    }
}

std::int16_t frmMainSmall::typedAddress(const QString& typed) {
    // The core decides what is an address; its error's number tells the
    // window which refusal to word in the user's language.
    try {
        return parseStartAddress(typed.toStdString());
    } catch (const RuntimeError& error) {
        throw RuntimeError(error.number(), refusal(error, typed).toStdString());
    }
}

QString frmMainSmall::refusal(const RuntimeError& error, const QString& typed) {
    // Quoted as typed, not as the number it rounds to; a pasted novel is cut
    // short, at as many bytes of UTF-8 as the core's own messages allow.
    constexpr qsizetype kLongest = 24;
    QString quoted = typed;
    if (const QByteArray bytes = typed.toUtf8(); bytes.size() > kLongest) {
        qsizetype cut = kLongest;
        while (cut > 0 && (static_cast<uchar>(bytes.at(cut)) & 0xC0U) == 0x80U) {
            --cut;
        }
        quoted = QString::fromUtf8(bytes.first(cut)) + QStringLiteral("...");
    }
    //: Ends every refusal of a typed address.
    const QString accepted = tr("Type a whole start address from 0 to 511.");
    switch (error.number()) {
    case ErrorNumber::TypeMismatch:
        //: %1 is the text typed (cut short when long); %2 says what is accepted.
        return tr("\"%1\" is not a whole number. %2").arg(quoted, accepted);
    case ErrorNumber::Overflow:
        //: %1 is the number typed (cut short when long); %2 says what is accepted.
        return tr("\"%1\" is far too large for a start address. %2").arg(quoted, accepted);
    case ErrorNumber::InvalidAddress:
        //: %1 is the number typed, below 0 or above 511; %2 says what is accepted.
        return tr("\"%1\" is not an address nine switches can set. %2").arg(quoted, accepted);
    }
    return QString::fromStdString(error.what());
}

void frmMainSmall::txtInput_Cancel() {
    opt1->setFocus(Qt::OtherFocusReason);
    txtInput->hide();
}

void frmMainSmall::mnuReset_Click() {
    m_boundary.run([this] { m_bank.Reset(); });
}

void frmMainSmall::mnuAbout_Click() {
    m_boundary.run(
        [this] { ShowAbout(m_services.messageBox, m_services.appInformation, m_services.clock); });
}

void frmMainSmall::cmdInfo_Click() {
    mnuAbout_Click();
}

void frmMainSmall::cmdClose_Click() {
    m_boundary.run([this] { m_services.programEnd.endProgram(); });
}

} // namespace brisolant

#include "moc_frmmainsmall.cpp"
