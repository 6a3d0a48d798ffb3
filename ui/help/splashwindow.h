// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The splash window: our picture, shown while the windows are being created.

#include <QSplashScreen>

namespace quorvel {

class SplashWindow : public QSplashScreen {
    Q_OBJECT

public:
    SplashWindow();
};

} // namespace quorvel
