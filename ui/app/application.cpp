// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app/application.h"

#include "calc/errors.h"
#include "widgets/designscale.h"

#include <QDebug>
#include <QWidget>

namespace quorvel {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    // The last line of defence: whatever escaped an event handler or a slot ends that handler
    // only, and the program goes on.
    try {
        const bool handled = QApplication::notify(receiver, event);
        if (event->type() == QEvent::Show && receiver->isWidgetType())
            KeepWindowWithinScreen(static_cast<QWidget*>(receiver));
        return handled;
    } catch (const std::exception& error) {
        HandleError(error);
    } catch (...) {
        //: An error of no known kind reached the calculator's error balloon.
        HandleError(Error(QUORVEL_MESSAGE("quorvel::Application", "Unknown error")));
    }
    return false;
}

// After the window's own handlers placed it, before it appears.
void Application::KeepWindowWithinScreen(QWidget* widget) {
    if (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog)
        KeepWithinScreen(widget);
}

void Application::HandleError(const std::exception& error) {
    // A copy: the handler may install another one while it runs.
    if (const ErrorHandler handler = errorHandler_)
        handler(error);
    else
        qWarning() << "Unhandled error:" << error.what();
}

} // namespace quorvel
