// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The language the program speaks: the desktop's, where the program has a translation for it,
// else English, the language it is written in. The language decides the words only; numbers
// keep following the locale's separators.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace quorvel {

// The languages the program is translated to.
QStringList TranslatedLanguages();

// The language the desktop asks for, as gettext programs read it: LANGUAGE, a list such as
// "de_CH:fr", where the first language the program speaks wins, unless the messages' locale
// (LC_ALL, else LC_MESSAGES, else LANG) is C or POSIX, which asks for English; else the messages'
// locale itself. "en" for English.
QString DesktopLanguage();

// Takes the decimal and thousands separators of the locale for all number texts.
void ApplyLocaleSeparators(const QLocale& locale = QLocale());

// The program's translation for the language and Qt's own (for its dialogs and buttons), in the
// application while the object lives. English has none. Made before the first window, which
// takes its texts from them as it is built.
class Language {
public:
    explicit Language(const QString& language);
    ~Language();
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;

private:
    QTranslator ours_;
    QTranslator qts_;
};

} // namespace quorvel
