// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The heart's messages in the user's language: the template translated in its context, the texts
// filled in, themselves translated where they are messages.

#include "calc/errors.h"

#include <QString>
#include <exception>

namespace quorvel {

class EFileError;
class UnitsDatabase;

QString Translated(const Message& message);
// An error of the program's own by its message; any other says what it says.
QString Translated(const std::exception& error);
// Why the units database cannot be read: where its group list does not exist, that there is no
// database and where it was looked for; else (a folder that cannot be read, a loop of links) the
// error's own message, which gives the system's reason.
QString DatabaseUnreadable(const UnitsDatabase& database, const EFileError& error);

// The text with each control character written as "\x1b": a message that echoes what the user
// typed neither moves a terminal's cursor nor clears its screen, and shows what was typed.
QString WithControlsEscaped(const QString& text);

} // namespace quorvel
