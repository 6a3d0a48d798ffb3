#include "ui/Application.h"
#include "ui/Program.h"

#include <QIcon>

namespace {

// The emblem, built in: the same pictures the installed icon theme holds, without the search
// through the theme's folders that a themed icon costs at start-up.
QIcon Emblem() {
    QIcon emblem;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        emblem.addFile(QString(":/emblem/org.quorvel.Quorvel-%1.png").arg(size));
    return emblem;
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
