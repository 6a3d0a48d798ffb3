// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/language/translated.h"

#include "calc/numbertext.h"
#include "core/unitsdatabase.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace quorvel {

QString Translated(const Message& message) {
    if (message.IsNumber())
        return QString::fromStdString(message.Verbatim())
            .replace('.', QString::fromStdString(DecimalSeparator()));
    if (message.IsVerbatim())
        return QString::fromStdString(message.Verbatim());
    std::vector<std::string> texts;
    for (const Message& text : message.Texts())
        texts.push_back(Translated(text).toStdString());
    const MessageTemplate& form = message.Template();
    const QString translated = QCoreApplication::translate(form.context, form.text);
    return QString::fromStdString(FillIn(translated.toStdString(), texts));
}

QString Translated(const std::exception& error) {
    if (const auto* ours = dynamic_cast<const Error*>(&error))
        return Translated(ours->UserMessage());
    return QString::fromUtf8(error.what());
}

QString DatabaseUnreadable(const UnitsDatabase& database, const EFileError& error) {
    const QString list =
        QFileInfo(QString::fromStdString(database.GroupListFile().string())).absoluteFilePath();
    // A folder that cannot be read or a loop of links is no missing list: the error says why.
    std::error_code why;
    const bool missing = std::filesystem::status(database.GroupListFile(), why).type() ==
                             std::filesystem::file_type::not_found &&
                         why == std::errc::no_such_file_or_directory;
    if (!missing)
        return Translated(error);
    //: %1 is the group list file, with its whole path.
    return QCoreApplication::translate("quorvel::UnitsDatabase",
                                       "No units database: %1 was not found")
        .arg(list);
}

QString WithControlsEscaped(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            shown += QString("\\x%1").arg(c.unicode(), 2, 16, QChar('0'));
        else
            shown += c;
    }
    return shown;
}

} // namespace quorvel
