// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The calculator window: the face of the calculator engine. Every press of a panel or a key of
// the key map is one engine action, shown at once. The window also shows every error that no
// handler of the program caught, as a balloon under its display.

#include "calc/calculatorengine.h"
#include "ui/CalcKeys.h"
#include "ui/HelpContext.h"
#include "widgets/designscale.h"

#include <QWidget>
#include <array>
#include <exception>

class QLabel;
class QPushButton;
class QRadioButton;

namespace quorvel {

class TButtonPanel;
class TErrorHintWindow;
class TInputNumber;
class TMForm;
class TQZCalcIndicator;
class TQuorvelApplication;

class TInCalc : public QWidget {
    Q_OBJECT

public:
    // Installs ApplicationEventsException as the application's handler for unhandled errors,
    // for as long as the window lives.
    TInCalc(TMForm& mainForm, TInputNumber& inputNumber, TErrorHintWindow& errorHint,
            THelpLink help, TQuorvelApplication& application, QWidget* parent = nullptr);
    ~TInCalc() override;

    // Shows the window modally; it starts from the main window's value.
    void Open();

    // A press of a keypad panel, by mouse or key: the panel's action, shown at once.
    void KeypadPress(CalculatorAction action);
    // A click of a function panel.
    void FunctionClick(CalculatorAction action);
    // Selects memory cell 1 to 10.
    void pnM1Click(int cell);
    void pnOutClick();
    void bbOKClick();
    void bbCloseClick();
    void bbHelpClick();
    // Draws raised the panels that an error may have left lowered.
    void ErrorButUp();
    // The message with "!" in the balloon under the display.
    void ApplicationEventsException(const std::exception& error);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* CreateFrame();
    void CreateAngleButtons(QWidget* frame);
    void FitAngleButtons(int rowWidth);
    void CreateFunctionPanels(QWidget* frame);
    void CreateDisplay(QWidget* frame);
    void CreateKeypad(QWidget* frame);
    void CreateMemoryRow(QWidget* frame);
    void CreateButtons();
    void SetTabOrder();
    void FormShow();
    void FormKeyDown(QKeyEvent* event);
    void FormKeyUp();
    void FormKeyPress(QKeyEvent* event);
    void ShowValue();
    void ShowMemory();
    void CopyToClipboard();
    void PasteFromClipboard();

    TMForm& mainForm_;
    TInputNumber& inputNumber_;
    TErrorHintWindow& errorHint_;
    THelpLink help_;
    TQuorvelApplication& application_;
    TDesignScale scale_;
    CalculatorEngine calc_;
    bool shownBefore_ = false;

    std::array<TButtonPanel*, KeypadCount> keypad_{};
    std::array<TButtonPanel*, FunctionKeys.size()> functions_{};
    std::array<TButtonPanel*, 10> memoryCells_{};
    std::array<QRadioButton*, 4> angleButtons_{};
    QWidget* pnOut_ = nullptr;
    TQZCalcIndicator* ind_ = nullptr;
    QLabel* pnSSS_ = nullptr;
    QLabel* pnMemNum_ = nullptr;
    TQZCalcIndicator* memInd_ = nullptr;
    QPushButton* bbOK_ = nullptr;
    QPushButton* bbClose_ = nullptr;
    QPushButton* bbHelp_ = nullptr;
};

} // namespace quorvel
