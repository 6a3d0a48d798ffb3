// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/shared/clipboard.h"

#include "calc/errors.h"
#include "calc/numbertext.h"

#include <QClipboard>
#include <QGuiApplication>

namespace quorvel {

void CopyValue(long double value) {
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(CleanNumberText(GeneralNumberText(value))));
}

namespace {

// Other programs copy a negative number with a typographic minus or dash; each means "-".
QString WithAsciiMinus(QString text) {
    for (char16_t minus :
         {u'\u2212', u'\u2010', u'\u2011', u'\u2012', u'\u2013', u'\uFE63', u'\uFF0D'})
        text.replace(QChar(minus), QChar('-'));
    return text;
}

} // namespace

std::optional<PastedNumber> PasteNumber() {
    const QString text = WithAsciiMinus(QGuiApplication::clipboard()->text());
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
