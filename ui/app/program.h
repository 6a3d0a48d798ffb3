// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's owner: it shows the splash window while it creates the main window, keeps every
// window for the whole run, and lets one window reach another.

#include "ui/app/application.h"
#include "ui/calculator/calculatorwindow.h"
#include "ui/converter/convertersession.h"
#include "ui/converter/mainwindow.h"
#include "ui/converter/numberinputdialog.h"
#include "ui/converter/unitlistdialog.h"
#include "ui/database/groupnamedialog.h"
#include "ui/database/preferencesdialog.h"
#include "ui/database/uniteditdialog.h"
#include "ui/help/helpcontext.h"
#include "ui/help/helpviewer.h"
#include "ui/report/reportdialog.h"
#include "ui/shared/balloon.h"

#include <QTextDocument>
#include <memory>

namespace quorvel {

class Program {
public:
    // Errors that nobody else caught go to the calculator window's balloon from the start.
    explicit Program(Application& application);
    ~Program();

    MainWindow& Main() { return *mainWindow_; }
    ConverterSession& Session() { return converter_; }
    ErrorBalloon& MessageBalloon() { return *balloon_; }
    HelpViewer& Help() { return *helpViewer_; }
    // The other windows are built the first time they are needed, in the state they would have
    // had from the start: the conversion lines are kept here, the loaded group's units are the
    // main window's. Once built, a window lives until the program ends.
    NumberInputDialog& NumberInput();
    CalculatorWindow& Calculator();
    UnitListDialog& UnitList();
    ReportDialog& ReportWindow();
    // Shows the main window and runs the event loop.
    int Run();

private:
    PreferencesDialog& Preferences(); // with its group and unit editors
    MainWindowLinks LinksOfMainWindow();
    // How a window opens its help topic.
    HelpOpener ContextHelp();

    Application& application_;
    ConverterSession converter_{UnitsDatabase("Files")};
    std::unique_ptr<ErrorBalloon> balloon_;
    std::unique_ptr<HelpViewer> helpViewer_;
    QTextDocument report_; // the conversion lines, shown by the report window
    std::unique_ptr<MainWindow> mainWindow_;
    // The other windows, each owned from its first use on.
    std::unique_ptr<NumberInputDialog> numberInput_;
    std::unique_ptr<UnitListDialog> unitList_;
    std::unique_ptr<GroupNameDialog> groupNameDialog_;
    std::unique_ptr<UnitEditDialog> unitEditDialog_;
    std::unique_ptr<PreferencesDialog> preferences_;
    std::unique_ptr<ReportDialog> reportDialog_;
    std::unique_ptr<CalculatorWindow> calculator_;
};

} // namespace quorvel
