// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app/application.h"

#include "calc/errors.h"

#include <QDebug>

namespace quorvel {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    // The last line of defence: whatever escaped an event handler or a slot ends that handler
    // only, and the program goes on.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        HandleError(error);
    } catch (...) {
        //: An error of no known kind reached the calculator's error balloon.
        HandleError(Error(QUORVEL_MESSAGE("quorvel::Application", "Unknown error")));
    }
    return false;
}

void Application::HandleError(const std::exception& error) {
    // A copy: the handler may install another one while it runs.
    if (const ErrorHandler handler = errorHandler_)
        handler(error);
    else
        qWarning() << "Unhandled error:" << error.what();
}

} // namespace quorvel
