// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/language/language.h"

#include "calc/numbertext.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QRegularExpression>

namespace quorvel {

namespace {

// "de_DE.UTF-8@euro" is German: the language before the territory, codeset and modifier.
QString LanguageOf(const QString& locale) {
    const qsizetype end = locale.indexOf(QRegularExpression("[_.@-]"));
    return locale.left(end).toLower();
}

bool AsksForEnglish(const QString& locale) {
    return locale.isEmpty() || locale == "C" || locale == "POSIX" || locale.startsWith("C.");
}

} // namespace

QStringList TranslatedLanguages() {
    // The build compiles a translation for each language it lists into the program: that list
    // is the one place that names them.
    const QString prefix = "quorvel_", suffix = ".qm";
    QStringList languages;
    for (const QString& file : QDir(":/i18n").entryList({prefix + "*" + suffix}, QDir::Files))
        languages.append(file.mid(prefix.size()).chopped(suffix.size()));
    return languages;
}

QString DesktopLanguage() {
    QString messages;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = qEnvironmentVariable(name);
        if (!messages.isEmpty())
            break;
    }
    if (AsksForEnglish(messages))
        return "en";
    QStringList wanted = qEnvironmentVariable("LANGUAGE").split(':', Qt::SkipEmptyParts);
    wanted.append(messages);
    for (const QString& locale : wanted) {
        const QString language = LanguageOf(locale);
        if (language == "en" || TranslatedLanguages().contains(language))
            return language;
    }
    return "en";
}

Language::Language(const QString& language) {
    if (!TranslatedLanguages().contains(language))
        return;
    // Ours travels inside the program; Qt's lies where the system's Qt keeps its translations.
    if (ours_.load(":/i18n/quorvel_" + language + ".qm"))
        QCoreApplication::installTranslator(&ours_);
    if (qts_.load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qts_);
}

Language::~Language() {
    QCoreApplication::removeTranslator(&qts_);
    QCoreApplication::removeTranslator(&ours_);
}

void ApplyLocaleSeparators(const QLocale& locale) {
    SetNumberSeparators(
        {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()});
}

} // namespace quorvel
