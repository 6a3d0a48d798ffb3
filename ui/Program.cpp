#include "ui/Program.h"

#include "ui/About.h"
#include "ui/Application.h"
#include "ui/Splash.h"
#include "widgets/style.h"

#include <QPlainTextDocumentLayout>
#include <QToolTip>

namespace quorvel {

TProgram::TProgram(TQuorvelApplication& application) {
    QApplication::setStyle(new TQuorvelStyle);
    TSplashForm splash;
    splash.show();
    splash.repaint();
    QApplication::processEvents();

    QApplication::setApplicationName("Quorvel");
    ApplyLocaleSeparators();
    QPalette tips = QToolTip::palette();
    tips.setColor(QPalette::ToolTipBase, QColor(0xff, 0xf4, 0xc4));
    tips.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(tips);

    errorHint_ = std::make_unique<TErrorHintWindow>();
    htmlHelp_ = std::make_unique<THtmlHelp>();
    htmlHelp_->SetHelpFile("Help.qch");
    htmlHelp_->InstallHelpHook(&application);
    report_.setDocumentLayout(new QPlainTextDocumentLayout(&report_));
    const UnitsDatabase database("Files");
    mainForm_ = std::make_unique<TMForm>(database, &report_, *errorHint_, MainFormLinks());
    inputNumber_ = std::make_unique<TInputNumber>(*mainForm_, HelpLink(), mainForm_.get());
    listUnits_ = std::make_unique<TListUnits>(
        *errorHint_, HelpLink(), [this] { return mainForm_->UnitPicker(mainForm_->ListTarget()); },
        mainForm_.get());
    QObject::connect(mainForm_.get(), &TMForm::UnitsLoaded, listUnits_.get(),
                     &TListUnits::SetUnits);
    groupEdit_ = std::make_unique<TFGroupEdit>(database, *errorHint_, HelpLink());
    unitsEdit_ = std::make_unique<TFUnitsEdit>(*errorHint_, HelpLink());
    pref_ = std::make_unique<TFPref>(
        database, *errorHint_, *groupEdit_, *unitsEdit_,
        TFPrefLinks{[this] { mainForm_->SetGroupButtons(); },
                    [this] { mainForm_->ab1Click(mainForm_->GroupButton(0)); },
                    [this](const QString& oldName, const QString& newName) {
                        mainForm_->GroupRenamed(oldName, newName);
                    },
                    HelpLink()},
        mainForm_.get());
    fReport_ = std::make_unique<TFReport>(&report_, *errorHint_, HelpLink(), mainForm_.get());
    calculator_ = std::make_unique<TInCalc>(*mainForm_, *inputNumber_, *errorHint_, HelpLink(),
                                            application, mainForm_.get());
    splash.close();
}

TProgram::~TProgram() = default;

TMFormLinks TProgram::MainFormLinks() {
    TMFormLinks links;
    links.inputNumber = [this] { inputNumber_->Open(); };
    links.calculator = [this] { calculator_->Open(); };
    links.unitsList = [this] { listUnits_->Open(); };
    links.report = [this] { fReport_->Open(); };
    links.helpContents = [this] { htmlHelp_->ShowContents(); };
    links.about = [this] { (new TFormAbout(mainForm_.get()))->Open(); };
    links.preferences = [this] { pref_->Execute(); };
    return links;
}

THelpLink TProgram::HelpLink() {
    return [this](int context) { htmlHelp_->ShowContext(context); };
}

int TProgram::Run() {
    mainForm_->show();
    return QApplication::exec();
}

} // namespace quorvel
