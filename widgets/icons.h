// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's pictures, drawn in code so that they scale and need no image files.

#include <QIcon>
#include <QPixmap>
#include <QStyle>

namespace quorvel {

enum class Picture {
    Copy,
    Paste,
    Preferences,
    Calculator,
    Report,
    Help,
    ArrowUp,
    ArrowDown,
    List,
    MoreRight, // a bar's button for what does not fit
    MoreDown,
    Clear,  // a field's button that empties it
    Emblem, // the program's own, as packaging/icons/org.quorvel.Quorvel.svg draws it
};

QIcon MakeIcon(Picture picture);

// One of the style's standard pictures, looked up only when it is first drawn: the lookup
// searches the icon theme, which a window created hidden at start-up need not pay for.
QIcon StandardIcon(QStyle::StandardPixmap picture);

// The splash window's picture, 303 by 218 pixels.
QPixmap SplashPicture();

} // namespace quorvel
