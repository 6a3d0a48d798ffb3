// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the tests of the database files share: a units database on a "Files" folder of the
// test's own, inside a temporary folder that also takes what a test puts beside it.

#include "core/unitsdatabase.h"
#include "testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

namespace quorvel::test {

class DatabaseFolder {
protected:
    // An empty folder and a database on it; called from init(), so every test starts afresh.
    void Fresh() {
        dir_.emplace();
        QVERIFY(dir_->isValid());
        QVERIFY(QDir(dir_->path()).mkdir("Files"));
        folder_ = dir_->filePath("Files");
        db_.emplace(folder_.toStdString());
    }

    QString File(const QString& name) const { return folder_ + "/" + name; }

    void WriteGroup(const QString& name, const QByteArray& names, const QByteArray& factors) const {
        WriteBytes(File(name + ".uns"), names);
        WriteBytes(File(name + ".unf"), factors);
    }

    // The hidden files, all ours (temporaries, change records), in the folder and in "Shared"
    // beside it, where tests put the files that links point to.
    QStringList OurFiles() const {
        QStringList names;
        for (const char* folder : {"Files", "Shared"})
            names += QDir(dir_->filePath(folder)).entryList({".*"}, QDir::Hidden | QDir::Files);
        return names;
    }

    std::optional<QTemporaryDir> dir_;
    QString folder_;
    std::optional<UnitsDatabase> db_;
};

} // namespace quorvel::test
