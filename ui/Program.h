#pragma once

// The program's owner: it shows the splash window while it creates the windows in their order,
// keeps them for the whole run, and lets one window reach another.

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
    // The calculator window gives `application` its handler for the errors nobody else caught.
    explicit TProgram(TQuorvelApplication& application);
    ~TProgram();

    TMForm& MainForm() { return *mainForm_; }
    TInputNumber& InputNumber() { return *inputNumber_; }
    TInCalc& Calculator() { return *calculator_; }
    TErrorHintWindow& ErrorHint() { return *errorHint_; }
    THtmlHelp& HtmlHelp() { return *htmlHelp_; }
    TListUnits& ListUnits() { return *listUnits_; }
    TFReport& FReport() { return *fReport_; }
    // Shows the main window and runs the event loop.
    int Run();

private:
    TMFormLinks MainFormLinks();
    // How a window opens its help topic.
    THelpLink HelpLink();

    std::unique_ptr<TErrorHintWindow> errorHint_;
    std::unique_ptr<THtmlHelp> htmlHelp_;
    QTextDocument report_; // the conversion lines, shown by the report window
    std::unique_ptr<TMForm> mainForm_;
    // The other windows, in the order they are created.
    std::unique_ptr<TInputNumber> inputNumber_;
    std::unique_ptr<TListUnits> listUnits_;
    std::unique_ptr<TFGroupEdit> groupEdit_;
    std::unique_ptr<TFUnitsEdit> unitsEdit_;
    std::unique_ptr<TFPref> pref_;
    std::unique_ptr<TFReport> fReport_;
    std::unique_ptr<TInCalc> calculator_;
};

} // namespace quorvel
