// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app/program.h"

#include "ui/app/application.h"
#include "ui/help/aboutdialog.h"
#include "ui/help/splashwindow.h"
#include "ui/language/language.h"
#include "widgets/style.h"

#include <QPlainTextDocumentLayout>
#include <QToolTip>

namespace quorvel {

Program::Program(Application& application) : application_(application) {
    QApplication::setStyle(new ProgramStyle);
    SplashWindow splash;
    splash.show();
    splash.repaint();
    QApplication::processEvents();

    QApplication::setApplicationName("Quorvel");
    ApplyLocaleSeparators();
    QPalette tips = QToolTip::palette();
    tips.setColor(QPalette::ToolTipBase, QColor(0xff, 0xf4, 0xc4));
    tips.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(tips);

    balloon_ = std::make_unique<ErrorBalloon>();
    helpViewer_ = std::make_unique<HelpViewer>();
    helpViewer_->SetHelpFile("Help.qch");
    helpViewer_->InstallHelpHook(&application);
    report_.setDocumentLayout(new QPlainTextDocumentLayout(&report_));
    mainWindow_ =
        std::make_unique<MainWindow>(converter_, &report_, *balloon_, LinksOfMainWindow());
    // The calculator window, built for the first error if it was never opened, shows it as it
    // would have shown it had it been there all along.
    application.SetErrorHandler(
        [this](const std::exception& error) { Calculator().ShowUnhandledError(error); });
    splash.close();
}

Program::~Program() {
    application_.SetErrorHandler({});
}

NumberInputDialog& Program::NumberInput() {
    if (!numberInput_) {
        numberInput_ =
            std::make_unique<NumberInputDialog>(converter_, ContextHelp(), mainWindow_.get());
        QObject::connect(numberInput_.get(), &NumberInputDialog::submitted, mainWindow_.get(),
                         &MainWindow::AnnounceValue);
    }
    return *numberInput_;
}

CalculatorWindow& Program::Calculator() {
    if (!calculator_) {
        NumberInputDialog& inputNumber = NumberInput();
        calculator_ = std::make_unique<CalculatorWindow>(
            converter_, inputNumber, *balloon_, ContextHelp(), application_, mainWindow_.get());
        QObject::connect(calculator_.get(), &CalculatorWindow::submitted, mainWindow_.get(),
                         &MainWindow::AnnounceValue);
    }
    return *calculator_;
}

UnitListDialog& Program::UnitList() {
    if (!unitList_) {
        unitList_ = std::make_unique<UnitListDialog>(converter_, *balloon_, ContextHelp(),
                                                     mainWindow_.get());
    }
    return *unitList_;
}

ReportDialog& Program::ReportWindow() {
    if (!reportDialog_)
        reportDialog_ =
            std::make_unique<ReportDialog>(&report_, *balloon_, ContextHelp(), mainWindow_.get());
    return *reportDialog_;
}

PreferencesDialog& Program::Preferences() {
    if (!preferences_) {
        const UnitsDatabase& database = converter_.State().Database();
        groupNameDialog_ = std::make_unique<GroupNameDialog>(database, *balloon_, ContextHelp());
        unitEditDialog_ = std::make_unique<UnitEditDialog>(*balloon_, ContextHelp());
        preferences_ = std::make_unique<PreferencesDialog>(
            database, *balloon_, *groupNameDialog_, *unitEditDialog_,
            PreferencesLinks{[this] { mainWindow_->ReadGroupList(); },
                             [this] { mainWindow_->LoadFirstGroup(); },
                             [this](const QString& oldName, const QString& newName) {
                                 mainWindow_->GroupRenamed(oldName, newName);
                             },
                             ContextHelp()},
            mainWindow_.get());
    }
    return *preferences_;
}

MainWindowLinks Program::LinksOfMainWindow() {
    MainWindowLinks links;
    links.inputNumber = [this] { NumberInput().Open(); };
    links.calculator = [this] { Calculator().Open(); };
    links.unitsList = [this] { UnitList().Open(); };
    links.report = [this] { ReportWindow().Open(); };
    links.helpContents = [this] { helpViewer_->ShowContents(); };
    links.about = [this] { (new AboutDialog(mainWindow_.get()))->Open(); };
    links.preferences = [this] { Preferences().Execute(); };
    return links;
}

HelpOpener Program::ContextHelp() {
    return [this](int context) { helpViewer_->ShowContext(context); };
}

int Program::Run() {
    mainWindow_->show();
    return QApplication::exec();
}

} // namespace quorvel
