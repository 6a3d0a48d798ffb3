// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/calculator/calculatorwindow.h"

#include "calc/numbertext.h"
#include "ui/app/application.h"
#include "ui/converter/convertersession.h"
#include "ui/converter/numberinputdialog.h"
#include "ui/language/language.h"
#include "ui/language/translated.h"
#include "ui/shared/balloon.h"
#include "ui/shared/clipboard.h"
#include "ui/shared/dialogbuttons.h"
#include "widgets/accessibility.h"
#include "widgets/buttonpanel.h"
#include "widgets/colours.h"
#include "widgets/numberdisplay.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

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
    balloon_.LetEscapeActIn(this);      // Esc clears

    application_.SetErrorHandler(
        [this](const std::exception& error) { ShowUnhandledError(error); });
}

CalculatorWindow::~CalculatorWindow() {
    application_.SetErrorHandler({});
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

void CalculatorWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LocaleChange) {
        ApplyLocaleSeparators(); // whichever window hears of the change first
        ShowDecimalKey();
    }
}

void CalculatorWindow::ShowDecimalKey() {
    keypad_[Ordinal(CalculatorAction::DecimalSeparator)]->SetCaption(Q(DecimalSeparator()));
}

void CalculatorWindow::StartFromCurrentValue() {
    ShowDecimalKey();
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
    // Lowered alone, the active cell hardly differs in some styles: it is filled too. The small
    // digits get more than the least contrast, as smoothing lightens their thin strokes.
    const QColor face = palette().color(QPalette::Button);
    const QColor fill = ChosenFill(face, palette());
    for (size_t k = 0; k < memoryCells_.size(); ++k) {
        const bool active = static_cast<int>(k) + 1 == cell;
        memoryCells_[k]->SetLowered(active);
        QPalette colours;
        if (active)
            colours.setColor(QPalette::Button, fill);
        memoryCells_[k]->setPalette(colours);
        const QColor ink =
            palette().color(active ? QPalette::HighlightedText : QPalette::ButtonText);
        memoryCells_[k]->SetCaptionColour(
            Readable(ink, active ? fill : face, MinimumTextContrast + 1.5));
    }
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
    //: An error in the calculator's balloon: %1 is the message ("Division by zero"), closed by
    //: an exclamation mark as your language writes one.
    balloon_.ShowUnder(valuePanel_, tr("%1!").arg(Translated(error)), BalloonFocus::StayOnControl);
    RaisePanelsAfterError();
}

} // namespace quorvel
