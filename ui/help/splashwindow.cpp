// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/help/splashwindow.h"

#include "widgets/icons.h"

namespace quorvel {

SplashWindow::SplashWindow() : QSplashScreen(SplashPicture()) {
    setObjectName("SplashForm");
}

} // namespace quorvel
