#include "ui/Application.h"

#include "calc/numbertext.h"

#include <QDebug>

namespace quorvel {

TQuorvelApplication::TQuorvelApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TQuorvelApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        // The last line of defence: whatever escaped an event handler ends that handler only.
        if (errorHandler_)
            errorHandler_(error);
        else
            qWarning() << "Unhandled error:" << error.what();
        return false;
    }
}

void ApplyLocaleSeparators(const QLocale& locale) {
    SetNumberSeparators(
        {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()});
}

} // namespace quorvel
