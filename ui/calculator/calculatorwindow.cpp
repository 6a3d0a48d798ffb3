// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/calculator/calculatorwindow.h"

#include "calc/numbertext.h"
#include "ui/app/application.h"
#include "ui/converter/convertersession.h"
#include "ui/converter/numberinputdialog.h"
#include "ui/language/translated.h"
#include "ui/shared/balloon.h"
#include "ui/shared/clipboard.h"
#include "ui/shared/dialogbuttons.h"
#include "widgets/accessibility.h"
#include "widgets/buttonpanel.h"
#include "widgets/colours.h"
#include "widgets/numberdisplay.h"
#include "widgets/valuepanel.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>

namespace quorvel {

namespace {

constexpr int ClientWidth = 503;
constexpr int ClientHeight = 279;
// Where the window counts as standing before it is first shown, for balloons under its display.
const QPoint DesignedPlace(329, 166);
const QPoint PlaceFromMainWindow(88, 10);

// The panels an error may leave lowered: the keypad's operations and every function but PI.
constexpr CalculatorAction RaisedOnError[] = {
    CalculatorAction::Equal,          CalculatorAction::Subtract,   CalculatorAction::Add,
    CalculatorAction::Multiply,       CalculatorAction::Divide,     CalculatorAction::MemoryAdd,
    CalculatorAction::MemorySubtract, CalculatorAction::SquareRoot, CalculatorAction::Reciprocal,
    CalculatorAction::Percent};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The keys that press a keypad panel, as screen readers hear them: "Key: = or Enter".
QString KeysText(const KeypadKey& key) {
    const auto name = [](QKeyCombination combination) {
        return QKeySequence(combination).toString(QKeySequence::NativeText);
    };
    if (key.otherKey.key() == Qt::Key_unknown)
        //: What screen readers say of the key that presses a calculator button: %1 is the key.
        return CalculatorWindow::tr("Key: %1").arg(name(key.key));
    //: What screen readers say of the two keys that press a calculator button, as "= or Enter".
    return CalculatorWindow::tr("Key: %1 or %2").arg(name(key.key), name(key.otherKey));
}

QWidget* Container(QWidget* parent, const char* name, const QRect& geometry) {
    auto* widget = new QWidget(parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

} // namespace

CalculatorWindow::CalculatorWindow(ConverterSession& converter, NumberInputDialog& inputNumber,
                                   ErrorBalloon& errorHint, HelpOpener help,
                                   Application& application, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      converter_(converter), numberInput_(inputNumber), balloon_(errorHint), help_(std::move(help)),
      application_(application), scale_(font()) {
    SetAccessibleFace(this, {QAccessible::Dialog, {}, {}, {}, {}});
    setObjectName("InCalc");
    //: Title of the calculator window.
    setWindowTitle(tr("Scientific Calculator"));
    setWindowModality(Qt::ApplicationModal);
    SetHelpContext(this, hcCalculator);
    // Fixed places rather than layouts: nothing is measured or laid out until it is shown. They
    // grow with a larger font.
    setFixedSize(scale_(QSize(ClientWidth, ClientHeight)));
    move(DesignedPlace);

    engine_.SetValue("0");
    engine_.Memory().SetValue("0");
    engine_.Memory().SetCellsQuantity(10);
    engine_.SetAction(CalculatorAction::Digit0);

    QWidget* frame = CreateFrame();
    CreateAngleButtons(frame);
    CreateFunctionPanels(frame);
    CreateDisplay(frame);
    CreateKeypad(frame);
    CreateMemoryRow(frame);
    CreateButtons();
    SetTabOrder();
    // The window sees every key before the control that has the focus; keys come only to the
    // controls that can take the focus, or to the window itself.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) {
        if (child->focusPolicy() != Qt::NoFocus)
            child->installEventFilter(this);
    }
    display_->installEventFilter(this); // for its hint

    application_.SetErrorHandler(
        [this](const std::exception& error) { ShowUnhandledError(error); });
}

CalculatorWindow::~CalculatorWindow() {
    application_.SetErrorHandler({});
}

QWidget* CalculatorWindow::CreateFrame() {
    auto* frame = new QFrame(this);
    frame->setObjectName("Panel1");
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setGeometry(scale_(QRect(4, 4, 495, 238)));
    return frame;
}

void CalculatorWindow::CreateAngleButtons(QWidget* frame) {
    QWidget* panel = Container(frame, "Panel2", scale_(QRect(6, 6, 218, 22)));
    panel->setFont(scale_.PixelFont(font(), 11, false));
    // Short captions on a narrow row; the hint and screen readers say the unit in full.
    const struct {
        const char* name;
        QString caption;
        QString unit;
        AngleMeasure measure;
    } buttons[] = {
        //: Angle unit radian, as the caption of a radio button in a narrow row (55 pixels).
        {"rbRad", tr("Rad"), tr("Angles in radians"), AngleMeasure::Radians},
        //: Angle unit degree (a quarter turn is 90), caption of a radio button in a narrow row.
        {"rbDegr", tr("Deg"), tr("Angles in degrees"), AngleMeasure::Degrees},
        //: Angle unit gradian or gon (a quarter turn is 100), caption of a radio button in a
        //: narrow row.
        {"rbGrad", tr("Grad"), tr("Angles in gradians"), AngleMeasure::Grads},
        //: Angle unit of whole turns (a quarter turn is 0.25), caption of a radio button in a
        //: narrow row.
        {"rbCycle", tr("Cycle"), tr("Angles in turns"), AngleMeasure::Cycles}};
    for (size_t k = 0; k < angleButtons_.size(); ++k) {
        auto* button = angleButtons_[k] = new QRadioButton(buttons[k].caption, panel);
        button->setObjectName(buttons[k].name);
        button->setToolTip(buttons[k].unit);
        button->setAccessibleName(buttons[k].unit);
        button->setGeometry(scale_(QRect(static_cast<int>(k) * 55, 0, 55, 22)));
        const AngleMeasure measure = buttons[k].measure;
        connect(button, &QRadioButton::toggled, this, [this, measure](bool selected) {
            if (selected)
                engine_.SetAngularMeasure(measure);
        });
    }
    angleButtons_[0]->setChecked(true);
    FitAngleButtons(panel->width());
}

// A style with larger radio marks than the design's needs more room for a caption: the buttons
// then take their own widths, spread evenly over the row.
void CalculatorWindow::FitAngleButtons(int rowWidth) {
    int needed = 0;
    bool fits = true;
    for (QRadioButton* button : angleButtons_) {
        needed += button->sizeHint().width();
        fits = fits && button->sizeHint().width() <= button->width();
    }
    if (fits)
        return;
    const int gap = std::max(0, rowWidth - needed) / static_cast<int>(angleButtons_.size() - 1);
    int left = 0;
    for (QRadioButton* button : angleButtons_) {
        button->setGeometry(left, 0, button->sizeHint().width(), button->height());
        left += button->sizeHint().width() + gap;
    }
}

void CalculatorWindow::CreateFunctionPanels(QWidget* frame) {
    QWidget* pnScience = Container(frame, "pnScience", scale_(QRect(6, 32, 220, 166)));
    pnScience->setFont(scale_.PixelFont(font(), 11, false));
    for (size_t k = 0; k < FunctionKeys.size(); ++k) {
        const FunctionKey& key = FunctionKeys[k];
        auto* panel = functions_[k] =
            new ButtonPanel(tr(key.caption), ButtonPanel::Trigger::Click, pnScience);
        panel->setObjectName(key.name);
        panel->setToolTip(tr(key.hint));
        panel->setAccessibleName(tr(key.hint));
        panel->setFocusPolicy(Qt::TabFocus);
        panel->SetCaptionColour(accent::Function);
        const int column = static_cast<int>(k) / FunctionRows;
        const int row = static_cast<int>(k) % FunctionRows;
        panel->setGeometry(scale_(QRect(column * 44, row * 28, 43, 25)));
        const CalculatorAction action = key.action;
        panel->SetAction([this, action] { FunctionClick(action); });
    }
}

void CalculatorWindow::CreateDisplay(QWidget* frame) {
    QWidget* pnInd = Container(frame, "pnInd", scale_(QRect(230, 6, 257, 40)));
    auto* pnOut = new ValuePanel(pnInd);
    valuePanel_ = pnOut;
    valuePanel_->setObjectName("pnOut");
    //: The calculator's display, as screen readers name it.
    valuePanel_->setAccessibleName(tr("Display"));
    //: Hint of the calculator's display.
    valuePanel_->setToolTip(tr("Digital display"));
    valuePanel_->setFocusPolicy(Qt::TabFocus);
    valuePanel_->setGeometry(scale_(QRect(0, 0, 257, 40)));

    operationSign_ = new QLabel("=", valuePanel_);
    operationSign_->setObjectName("pnSSS");
    // Readers hear the sign with what it is; a label's name would otherwise hide its text.
    SetAccessibleFace(operationSign_,
                      {QAccessible::StaticText,
                       [this] {
                           //: What screen readers say of the small panel at the left of
                           //: the display: %1 is the sign of the last operation (+, ×).
                           return tr("Operation sign %1").arg(operationSign_->text());
                       },
                       {},
                       {},
                       {}});
    //: Hint of the small panel at the left of the display that shows the last operation's sign.
    operationSign_->setToolTip(tr("Sign of the current operation"));
    operationSign_->setFont(scale_.PixelFont(font(), 17, true));
    operationSign_->setAlignment(Qt::AlignCenter);
    operationSign_->setGeometry(scale_(QRect(3, 3, 20, 34)));

    display_ = new NumberDisplay(valuePanel_);
    display_->setObjectName("Ind");
    display_->setAccessibleName(tr("Display"));
    pnOut->ShowsNumberOf(display_, [this] { OpenNumberInput(); });
    display_->setFont(scale_.PixelFont(font(), 20, true));
    display_->setGeometry(scale_(QRect(24, 2, 227, 36)));
}

void CalculatorWindow::CreateKeypad(QWidget* frame) {
    QWidget* pnSimple = Container(frame, "pnSimple", scale_(QRect(230, 50, 257, 148)));
    pnSimple->setFont(scale_.PixelFont(font(), 14, true));
    for (int action = 0; action < KeypadCount; ++action) {
        const KeypadKey& key = KeypadKeys[action];
        const QString caption = tr(key.caption);
        auto* panel = keypad_[action] =
            new ButtonPanel(caption, ButtonPanel::Trigger::Press, pnSimple);
        panel->setObjectName(key.name);
        panel->setAccessibleName(tr(key.accessibleName));
        panel->setAccessibleDescription(KeysText(key));
        panel->setFocusPolicy(Qt::NoFocus); // every keypad panel has its keys
        panel->SetCaptionColour(action <= Ordinal(CalculatorAction::Digit9) ? accent::Digit
                                                                            : accent::Operation);
        if (caption.size() > 3)
            panel->setFont(scale_.PixelFont(font(), 11, true)); // BACK
        panel->setGeometry(scale_(
            QRect(key.column * 43, key.row * 30, 43 * key.columnSpan - 2, 30 * key.rowSpan - 3)));
        panel->SetAction([this, action] { KeypadPress(static_cast<CalculatorAction>(action)); });
    }
}

void CalculatorWindow::CreateMemoryRow(QWidget* frame) {
    QWidget* panel3 = Container(frame, "Panel3", scale_(QRect(6, 202, 481, 30)));
    panel3->setFont(scale_.PixelFont(font(), 11, false));
    for (int cell = 1; cell <= static_cast<int>(memoryCells_.size()); ++cell) {
        auto* panel = memoryCells_[cell - 1] =
            new ButtonPanel(QString::number(cell), ButtonPanel::Trigger::Click, panel3);
        panel->setObjectName(QString("pnM%1").arg(cell));
        //: A memory cell's button, as screen readers name it: %1 is its number, 1 to 10.
        panel->setAccessibleName(tr("Memory cell %1").arg(cell));
        panel->setFocusPolicy(Qt::TabFocus);
        panel->SetLatched(true); // the lowered cell is the active one
        panel->setGeometry(scale_(QRect(2 + (cell - 1) * 24, 4, 22, 22)));
        panel->SetAction([this, cell] { SelectMemoryCell(cell); });
    }
    SetAccessibleFace(panel3, {QAccessible::Grouping, {}, {}, {}, {}});
    //: The row of memory cells, as screen readers name it.
    panel3->setAccessibleName(tr("Memory"));
    auto* pnMHist = new ValuePanel(panel3);
    pnMHist->setObjectName("pnMHist");
    //: The display of the memory cell's value, as screen readers name it.
    pnMHist->setAccessibleName(tr("Memory cell value"));
    pnMHist->setGeometry(scale_(QRect(250, 2, 229, 26)));
    memoryCellLabel_ = new QLabel("M1=", pnMHist);
    memoryCellLabel_->setObjectName("pnMemNum");
    memoryCellLabel_->setGeometry(scale_(QRect(4, 2, 40, 22)));
    memoryDisplay_ = new NumberDisplay(pnMHist);
    memoryDisplay_->setObjectName("MemInd");
    memoryDisplay_->setAccessibleName(tr("Memory"));
    pnMHist->ShowsNumberOf(memoryDisplay_);
    memoryDisplay_->setFont(scale_.PixelFont(font(), 13, false));
    memoryDisplay_->setGeometry(scale_(QRect(44, 1, 179, 24)));
}

void CalculatorWindow::CreateButtons() {
    auto button = [this](const char* name, const QString& caption, int left,
                         void (CalculatorWindow::*handler)()) {
        QPushButton* pushButton = MakeButton(name, caption, this, handler, this);
        pushButton->setAutoDefault(true); // Enter presses the focused button
        pushButton->setGeometry(scale_(QRect(left, 248, 75, 26)));
        return pushButton;
    };
    // Alt and the marked letter press a button; R is no mark here, as Alt+R gives 1/x.
    //: Hands the result to the main window and closes. Do not mark R: Alt+R is the 1/x key.
    okButton_ = button("bbOK", tr("&Submit"), 263, &CalculatorWindow::Submit);
    //: Do not mark R: Alt+R is the 1/x key.
    closeButton_ = button("bbClose", tr("&Close"), 343, &CalculatorWindow::CloseWindow);
    //: Do not mark R: Alt+R is the 1/x key.
    helpButton_ = button("bbHelp", tr("&Help"), 423, &CalculatorWindow::ShowHelp);
    FitButtonRow(
        {okButton_, closeButton_, helpButton_}); // a longer translation takes room to the left
}

void CalculatorWindow::SetTabOrder() {
    QList<QWidget*> order = {okButton_, closeButton_, helpButton_};
    for (QRadioButton* button : angleButtons_)
        order.append(button);
    for (ButtonPanel* panel : functions_)
        order.append(panel);
    order.append(valuePanel_);
    for (ButtonPanel* panel : memoryCells_)
        order.append(panel);
    for (qsizetype k = 1; k < order.size(); ++k)
        setTabOrder(order[k - 1], order[k]);
    okButton_->setFocus(); // the first opening starts on Submit
}

void CalculatorWindow::Open() {
    show();
    activateWindow();
}

void CalculatorWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        StartFromCurrentValue();
}

void CalculatorWindow::StartFromCurrentValue() {
    SelectMemoryCell(1);
    engine_.SetValue(converter_.State().ValueText());
    ShowValue();
    if (shownBefore_) {
        move((parentWidget() ? parentWidget()->pos() : QPoint()) + PlaceFromMainWindow);
    } else {
        const QRect frame = frameGeometry(); // the frame counts as far as it is known yet
        move(screen()->availableGeometry().center() - QPoint(frame.width(), frame.height()) / 2);
        shownBefore_ = true;
    }
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        // Only the first delivery of a key: one the focused control leaves goes on to its
        // parents, and must not act twice.
        QWidget* first = focusWidget() ? focusWidget() : this;
        if (watched != first)
            break;
        auto* key = static_cast<QKeyEvent*>(event);
        if (event->type() == QEvent::KeyRelease) {
            OnKeyUp();
            break;
        }
        OnKeyDown(key);
        OnCharacterTyped(key);
        if (watched == valuePanel_ && key->key() == Qt::Key_Space)
            OpenNumberInput();
        break;
    }
    case QEvent::MouseButtonPress:
        // Presses on the display and the operation sign come on to pnOut.
        if (watched == valuePanel_ && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            OpenNumberInput();
        break;
    case QEvent::ToolTip:
        if (watched == display_)
            return true; // the number itself has no hint
        break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

void CalculatorWindow::OnKeyDown(QKeyEvent* event) {
    switch (ClipboardKeyOf(event->key(), event->modifiers())) {
    case ClipboardKey::Copy: CopyToClipboard(); return;
    case ClipboardKey::Paste: PasteFromClipboard(); return;
    case ClipboardKey::None: break;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && qobject_cast<QPushButton*>(focusWidget()))
        return; // the focused push button takes Enter for itself
    if (const std::optional<CalculatorAction> action =
            KeyDownAction(event->key(), event->modifiers()))
        KeypadPress(*action);
}

void CalculatorWindow::OnCharacterTyped(QKeyEvent* event) {
    // A character typed with Ctrl or Alt alone is a chord, handled by its key code; with both,
    // it is what AltGr types on some systems.
    const Qt::KeyboardModifiers chord =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (chord == Qt::ControlModifier || chord == Qt::AltModifier)
        return;
    if (const std::optional<CalculatorAction> action = TypedCharacterAction(event->text()))
        KeypadPress(*action);
}

void CalculatorWindow::OnKeyUp() {
    for (ButtonPanel* panel : keypad_)
        panel->SetLowered(false);
}

void CalculatorWindow::KeypadPress(CalculatorAction action) {
    keypad_[Ordinal(action)]->SetLowered(true);
    if (const QString sign = OperationSign(action); !sign.isEmpty()) {
        operationSign_->setText(sign);
        NotifyFaceChanged(operationSign_);
    }
    engine_.SetAction(action);
    if (action != CalculatorAction::MemoryClear)
        ShowValue();
    switch (action) {
    case CalculatorAction::MemoryAdd:
    case CalculatorAction::MemorySubtract:
        converter_.SetValue(ParseNumberText(engine_.Value()));
        ShowMemory();
        break;
    case CalculatorAction::MemoryRecall:
        converter_.SetValue(ParseNumberText(engine_.Memory().Value()));
        break;
    case CalculatorAction::MemoryClear: ShowMemory(); break;
    default: break;
    }
}

void CalculatorWindow::FunctionClick(CalculatorAction action) {
    engine_.SetAction(action);
    ShowValue();
}

void CalculatorWindow::SelectMemoryCell(int cell) {
    engine_.Memory().SetActiveCell(cell);
    memoryCellLabel_->setText(QString("M%1=").arg(cell));
    ShowMemory();
    for (size_t k = 0; k < memoryCells_.size(); ++k)
        memoryCells_[k]->SetLowered(static_cast<int>(k) + 1 == cell);
    if (cell == 1)
        engine_.EndEntry();
}

void CalculatorWindow::ShowValue() {
    display_->SetText(Q(engine_.Value()));
}

void CalculatorWindow::ShowMemory() {
    memoryDisplay_->SetText(Q(engine_.Memory().Value()));
}

void CalculatorWindow::CopyToClipboard() {
    CopyValue(ParseNumberText(engine_.Value()));
}

void CalculatorWindow::PasteFromClipboard() {
    if (const std::optional<PastedNumber> pasted = PasteNumber()) {
        engine_.SetValue(pasted->text);
        ShowValue();
    }
}

void CalculatorWindow::OpenNumberInput() {
    numberInput_.Open();
}

void CalculatorWindow::Submit() {
    converter_.SetValue(ParseNumberText(engine_.Value()));
    close();
    emit submitted();
}

void CalculatorWindow::CloseWindow() {
    close();
}

void CalculatorWindow::ShowHelp() {
    try {
        help_(hcCalculator);
    } catch (const std::exception&) {
        // Help that cannot be shown leaves the calculation alone.
    }
}

void CalculatorWindow::RaisePanelsAfterError() {
    for (const CalculatorAction action : RaisedOnError)
        keypad_[Ordinal(action)]->SetLowered(false);
    for (size_t k = 0; k < FunctionKeys.size(); ++k) {
        if (FunctionKeys[k].action != CalculatorAction::Pi)
            functions_[k]->SetLowered(false);
    }
}

void CalculatorWindow::ShowUnhandledError(const std::exception& error) {
    // The focus stays on the display, where Enter gives "=" (every other key acts from anywhere).
    balloon_.ShowUnder(valuePanel_, Translated(error) + "!", BalloonFocus::StayOnControl);
    RaisePanelsAfterError();
}

} // namespace quorvel
