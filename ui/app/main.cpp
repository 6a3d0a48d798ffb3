// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app/application.h"
#include "ui/app/program.h"
#include "ui/commandline/commandline.h"
#include "ui/language/language.h"
#include "widgets/icons.h"

int main(int argc, char* argv[]) {
    // The command line decides first: what it prints needs no GUI application and no display.
    if (const std::optional<int> status = quorvel::RunCommandLine(argc, argv))
        return *status;
    quorvel::Application application(argc, argv);
    // Before the first window, which takes its texts in the desktop's language as it is built.
    const quorvel::Language language(quorvel::DesktopLanguage());
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName("org.quorvel.Quorvel");
    // Drawn in code: neither an icon theme search nor an image file at start-up.
    QApplication::setWindowIcon(quorvel::MakeIcon(quorvel::Picture::Emblem));
    quorvel::Program program(application);
    return program.Run();
}
