#pragma once

// The splash window: our picture, shown while the windows are being created.

#include <QSplashScreen>

namespace quorvel {

class TSplashForm : public QSplashScreen {
    Q_OBJECT

public:
    TSplashForm();
};

} // namespace quorvel
