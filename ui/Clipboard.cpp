#include "ui/Clipboard.h"

#include "calc/errors.h"
#include "calc/numbertext.h"

#include <QClipboard>
#include <QGuiApplication>

namespace quorvel {

void CopyValue(long double value) {
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(CleanNumberText(GeneralNumberText(value))));
}

std::optional<PastedNumber> PasteNumber() {
    const QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty())
        return std::nullopt;
    PastedNumber pasted{CleanNumberText(text.toStdString()), 0};
    try {
        pasted.value = ParseNumberText(pasted.text);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
    return pasted;
}

} // namespace quorvel
