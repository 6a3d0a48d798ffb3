// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The application object: it keeps an error that an event handler let escape from reaching Qt
// (which cannot carry exceptions through its event loop) and hands it to the program's handler,
// and keeps every window that shows within the screen.

#include <QApplication>
#include <exception>
#include <functional>

namespace quorvel {

class Application : public QApplication {
    Q_OBJECT

public:
    using ErrorHandler = std::function<void(const std::exception&)>;

    Application(int& argc, char** argv);

    // The handler for errors no event handler caught; without one they are logged.
    void SetErrorHandler(ErrorHandler handler) { errorHandler_ = std::move(handler); }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void HandleError(const std::exception& error);
    static void KeepWindowWithinScreen(QWidget* widget);

    ErrorHandler errorHandler_;
};

} // namespace quorvel
