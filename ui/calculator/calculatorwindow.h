// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The calculator window: the face of the calculator engine. Every press of a panel or a key of
// the key map is one engine action, shown at once. The window also shows every error that no
// handler of the program caught, as a balloon under its display.

#include "calc/calculatorengine.h"
#include "ui/calculator/calculatorkeys.h"
#include "ui/help/helpcontext.h"
#include "widgets/designscale.h"

#include <QWidget>
#include <array>
#include <exception>

class QLabel;
class QPushButton;
class QRadioButton;

namespace quorvel {

class ButtonPanel;
class ErrorBalloon;
class NumberInputDialog;
class ConverterSession;
class NumberDisplay;
class Application;

class CalculatorWindow : public QWidget {
    Q_OBJECT

public:
    // Installs ShowUnhandledError as the application's handler for unhandled errors,
    // for as long as the window lives.
    CalculatorWindow(ConverterSession& converter, NumberInputDialog& inputNumber,
                     ErrorBalloon& errorHint, HelpOpener help, Application& application,
                     QWidget* parent = nullptr);
    ~CalculatorWindow() override;

    // Shows the window modally; it starts from the main window's value.
    void Open();

    // A press of a keypad panel, by mouse or key: the panel's action, shown at once.
    void KeypadPress(CalculatorAction action);
    // A click of a function panel.
    void FunctionClick(CalculatorAction action);
    // Selects memory cell 1 to 10.
    void SelectMemoryCell(int cell);
    void OpenNumberInput();
    void Submit();
    void CloseWindow();
    void ShowHelp();
    // Draws raised the panels that an error may have left lowered.
    void RaisePanelsAfterError();
    // The message, closed by "!", in the balloon under the display.
    void ShowUnhandledError(const std::exception& error);

signals:
    // A value was handed back with Submit, after the window closed.
    void submitted();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
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
    void StartFromCurrentValue();
    // The decimal key shows the locale's separator, which it types.
    void ShowDecimalKey();
    void OnKeyDown(QKeyEvent* event);
    void OnKeyUp();
    void OnCharacterTyped(QKeyEvent* event);
    void ShowValue();
    void ShowMemory();
    void CopyToClipboard();
    void PasteFromClipboard();

    ConverterSession& converter_;
    NumberInputDialog& numberInput_;
    ErrorBalloon& balloon_;
    HelpOpener help_;
    Application& application_;
    DesignScale scale_;
    CalculatorEngine engine_;
    bool shownBefore_ = false;

    std::array<ButtonPanel*, KeypadCount> keypad_{};
    std::array<ButtonPanel*, FunctionKeys.size()> functions_{};
    std::array<ButtonPanel*, 10> memoryCells_{};
    std::array<QRadioButton*, 4> angleButtons_{};
    QWidget* valuePanel_ = nullptr;
    NumberDisplay* display_ = nullptr;
    QLabel* operationSign_ = nullptr;
    QLabel* memoryCellLabel_ = nullptr;
    NumberDisplay* memoryDisplay_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
};

} // namespace quorvel
