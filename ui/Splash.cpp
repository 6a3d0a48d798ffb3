// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Splash.h"

#include "widgets/icons.h"

namespace quorvel {

TSplashForm::TSplashForm() : QSplashScreen(SplashPicture()) {
    setObjectName("SplashForm");
}

} // namespace quorvel
