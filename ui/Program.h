// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's owner: it shows the splash window while it creates the main window, keeps every
// window for the whole run, and lets one window reach another.

#include "ui/Application.h"
#include "ui/Calc.h"
#include "ui/GroupEdit.h"
#include "ui/HelpContext.h"
#include "ui/Hints.h"
#include "ui/HtmlHelp.h"
#include "ui/Input.h"
#include "ui/LUnits.h"
#include "ui/MainForm.h"
#include "ui/Preferences.h"
#include "ui/Report.h"
#include "ui/UnitsEdit.h"

#include <QTextDocument>
#include <memory>

namespace quorvel {

class TProgram {
public:
    // Errors that nobody else caught go to the calculator window's balloon from the start.
    explicit TProgram(TQuorvelApplication& application);
    ~TProgram();

    TMForm& MainForm() { return *mainForm_; }
    TErrorHintWindow& ErrorHint() { return *errorHint_; }
    THtmlHelp& HtmlHelp() { return *htmlHelp_; }
    // The other windows are built the first time they are needed, in the state they would have
    // had from the start: the conversion lines are kept here, the loaded group's units are the
    // main window's. Once built, a window lives until the program ends.
    TInputNumber& InputNumber();
    TInCalc& Calculator();
    TListUnits& ListUnits();
    TFReport& FReport();
    // Shows the main window and runs the event loop.
    int Run();

private:
    TFPref& Pref(); // with its group and unit editors
    TMFormLinks MainFormLinks();
    // How a window opens its help topic.
    THelpLink HelpLink();

    TQuorvelApplication& application_;
    const UnitsDatabase database_{"Files"};
    std::unique_ptr<TErrorHintWindow> errorHint_;
    std::unique_ptr<THtmlHelp> htmlHelp_;
    QTextDocument report_; // the conversion lines, shown by the report window
    std::unique_ptr<TMForm> mainForm_;
    // The other windows, each owned from its first use on.
    std::unique_ptr<TInputNumber> inputNumber_;
    std::unique_ptr<TListUnits> listUnits_;
    std::unique_ptr<TFGroupEdit> groupEdit_;
    std::unique_ptr<TFUnitsEdit> unitsEdit_;
    std::unique_ptr<TFPref> pref_;
    std::unique_ptr<TFReport> fReport_;
    std::unique_ptr<TInCalc> calculator_;
};

} // namespace quorvel
