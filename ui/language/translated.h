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
// database and where it was looked for; else the error's own message.
QString DatabaseUnreadable(const UnitsDatabase& database, const EFileError& error);

} // namespace quorvel
