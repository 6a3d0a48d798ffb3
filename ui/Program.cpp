#include "ui/Program.h"

#include "ui/Application.h"
#include "ui/Splash.h"

#include <QPlainTextDocumentLayout>
#include <QToolTip>

namespace quorvel {

TProgram::TProgram() {
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
    report_.setDocumentLayout(new QPlainTextDocumentLayout(&report_));
    mainForm_ =
        std::make_unique<TMForm>(UnitsDatabase("Files"), &report_, *errorHint_, MainFormLinks());
    groupEdit_ = std::make_unique<TFGroupEdit>(UnitsDatabase("Files"), *errorHint_, HelpLink());
    unitsEdit_ = std::make_unique<TFUnitsEdit>(HelpLink());
    pref_ = std::make_unique<TFPref>(
        UnitsDatabase("Files"), *errorHint_, *groupEdit_, *unitsEdit_,
        TFPrefLinks{[this] { mainForm_->SetGroupButtons(); },
                    [this] { mainForm_->ab1Click(mainForm_->GroupButton(0)); }, HelpLink()},
        mainForm_.get());
    splash.close();
}

TProgram::~TProgram() = default;

TMFormLinks TProgram::MainFormLinks() {
    // The other windows join here as they are built.
    TMFormLinks links;
    links.preferences = [this] { pref_->Execute(); };
    return links;
}

THelpLink TProgram::HelpLink() {
    // The help component joins here; until then a help request opens nothing.
    return [](int) {};
}

int TProgram::Run() {
    mainForm_->show();
    return QApplication::exec();
}

} // namespace quorvel
