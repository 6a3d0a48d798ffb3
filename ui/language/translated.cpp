// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/language/translated.h"

#include "core/unitsdatabase.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace quorvel {

QString Translated(const Message& message) {
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
    if (QFile::exists(list))
        return Translated(error);
    //: %1 is the group list file, with its whole path.
    return QCoreApplication::translate("quorvel::UnitsDatabase",
                                       "No units database: %1 was not found")
        .arg(list);
}

} // namespace quorvel
