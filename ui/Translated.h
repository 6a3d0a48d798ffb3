// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The heart's messages in the user's language: the template translated in its context, the texts
// filled in, themselves translated where they are messages.

#include "calc/errors.h"

#include <QString>
#include <exception>

namespace quorvel {

QString Translated(const Message& message);
// An error of the program's own by its message; any other says what it says.
QString Translated(const std::exception& error);

} // namespace quorvel
