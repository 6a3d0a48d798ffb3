#include "ui/Application.h"
#include "ui/Program.h"

#include <QIcon>

namespace {

// The emblem, from the icon theme when the program is installed, else the copy built in.
QIcon Emblem() {
    QIcon bundled;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        bundled.addFile(QString(":/emblem/org.quorvel.Quorvel-%1.png").arg(size));
    return QIcon::fromTheme("org.quorvel.Quorvel", bundled);
}

} // namespace

int main(int argc, char* argv[]) {
    quorvel::TQuorvelApplication application(argc, argv);
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName("org.quorvel.Quorvel");
    QApplication::setWindowIcon(Emblem());
    quorvel::TProgram program;
    return program.Run();
}
