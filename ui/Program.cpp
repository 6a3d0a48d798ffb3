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
    mainForm_ = std::make_unique<TMForm>(UnitsDatabase("Files"), &report_, *errorHint_,
                                         MainFormLinks());
    splash.close();
}

TProgram::~TProgram() = default;

TMFormLinks TProgram::MainFormLinks() {
    // The other windows join here as they are built.
    return {};
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
