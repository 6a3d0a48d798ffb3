#include "ui/Splash.h"

#include "widgets/icons.h"

namespace quorvel {

TSplashForm::TSplashForm() : QSplashScreen(SplashPicture()) {
    setObjectName("SplashForm");
}

} // namespace quorvel
