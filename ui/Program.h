#pragma once

// The program's owner: it shows the splash window while it creates the windows in their order,
// keeps them for the whole run, and lets one window reach another.

#include "ui/GroupEdit.h"
#include "ui/HelpContext.h"
#include "ui/Hints.h"
#include "ui/MainForm.h"
#include "ui/Preferences.h"
#include "ui/UnitsEdit.h"

#include <QTextDocument>
#include <memory>

namespace quorvel {

class TProgram {
public:
    TProgram();
    ~TProgram();

    TMForm& MainForm() { return *mainForm_; }
    // Shows the main window and runs the event loop.
    int Run();

private:
    TMFormLinks MainFormLinks();
    // How a window opens its help topic.
    THelpLink HelpLink();

    std::unique_ptr<TErrorHintWindow> errorHint_;
    QTextDocument report_; // the conversion lines, shown by the report window
    std::unique_ptr<TMForm> mainForm_;
    std::unique_ptr<TFGroupEdit> groupEdit_;
    std::unique_ptr<TFUnitsEdit> unitsEdit_;
    std::unique_ptr<TFPref> pref_;
};

} // namespace quorvel
