#include "ui/Program.h"

#include "ui/Application.h"
#include "ui/Splash.h"

#include <QPlainTextDocumentLayout>

namespace quorvel {

TProgram::TProgram() {
    TSplashForm splash;
    splash.show();
    splash.repaint();
    QApplication::processEvents();

    QApplication::setApplicationName("Quorvel");
    ApplyLocaleSeparators();
    qApp->setStyleSheet("QToolTip { color: black; background-color: #fff4c4;"
                        " border: 1px solid #b08a3c; padding: 2px; }");

    errorHint_ = std::make_unique<TErrorHintWindow>();
    report_.setDocumentLayout(new QPlainTextDocumentLayout(&report_));
    mainForm_ = std::make_unique<TMForm>(UnitsDatabase("Files"), &report_, MainFormLinks());
    splash.close();
}

TProgram::~TProgram() = default;

TMFormLinks TProgram::MainFormLinks() {
    // The other windows join here as they are built.
    return {};
}

int TProgram::Run() {
    mainForm_->show();
    return QApplication::exec();
}

} // namespace quorvel
