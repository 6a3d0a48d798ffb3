#pragma once

// The program's pictures, drawn in code so that they scale and need no image files.

#include <QIcon>
#include <QPixmap>

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
};

QIcon MakeIcon(Picture picture);

// The splash window's picture, 303 by 218 pixels.
QPixmap SplashPicture();

} // namespace quorvel
