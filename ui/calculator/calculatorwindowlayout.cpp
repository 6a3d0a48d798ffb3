// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculator window's controls, in the places of its design, and their tab order.

#include "ui/calculator/calculatorwindow.h"

#include "ui/shared/dialogbuttons.h"
#include "widgets/accessibility.h"
#include "widgets/buttonpanel.h"
#include "widgets/colours.h"
#include "widgets/numberdisplay.h"
#include "widgets/valuepanel.h"

#include <QLabel>
#include <QRadioButton>

namespace quorvel {

namespace {

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
    // Alt and the marked letter press a button; R is no mark here, as Alt+R gives 1/x.
    //: Hands the result to the main window and closes. Do not mark R: Alt+R is the 1/x key.
    okButton_ = MakeButton("bbOK", tr("&Submit"), this, &CalculatorWindow::Submit, this);
    //: Do not mark R: Alt+R is the 1/x key.
    closeButton_ = MakeButton("bbClose", tr("&Close"), this, &CalculatorWindow::CloseWindow, this);
    //: Do not mark R: Alt+R is the 1/x key.
    helpButton_ = MakeButton("bbHelp", tr("&Help"), this, &CalculatorWindow::ShowHelp, this);
    PlaceButtonRow({okButton_, closeButton_, helpButton_}, scale_, 263, 248);
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

} // namespace quorvel
