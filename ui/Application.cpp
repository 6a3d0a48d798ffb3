// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Application.h"

#include "calc/errors.h"
#include "calc/numbertext.h"

#include <QDebug>

namespace quorvel {

TQuorvelApplication::TQuorvelApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TQuorvelApplication::notify(QObject* receiver, QEvent* event) {
    // The last line of defence: whatever escaped an event handler or a slot ends that handler
    // only, and the program goes on.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        HandleError(error);
    } catch (...) {
        //: An error of no known kind reached the calculator's error balloon.
        HandleError(Error(QUORVEL_MESSAGE("quorvel::TQuorvelApplication", "Unknown error")));
    }
    return false;
}

void TQuorvelApplication::HandleError(const std::exception& error) {
    // A copy: the handler may install another one while it runs.
    if (const ErrorHandler handler = errorHandler_)
        handler(error);
    else
        qWarning() << "Unhandled error:" << error.what();
}

void ApplyLocaleSeparators(const QLocale& locale) {
    SetNumberSeparators(
        {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()});
}

} // namespace quorvel
