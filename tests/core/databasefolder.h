// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the tests of the database files share: a units database on a "Files" folder of the
// test's own, inside a temporary folder that also takes what a test puts beside it; and a plan
// of faults for the file layer's calls, which also records them.

#include "core/unitsdatabase.h"
#include "testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvel::test {

// One fault of a plan: the `nth` call (from 1; 0: every one) of a kind about a file whose name
// ends with `name` fails with `error` (or is a short write).
struct Fault {
    fileio::Call kind;
    int error;
    int nth = 0;
    std::string name = {};
};

// While it lives: records the calls of the file layer and fails those the plan names.
class FaultPlan {
public:
    explicit FaultPlan(std::vector<Fault> faults = {}) : faults_(std::move(faults)) {
        fileio::SetFaultHook([this](fileio::Call call, std::string_view name) {
            made_.emplace_back(call, name);
            const int count = Calls(call);
            for (const Fault& fault : faults_) {
                if (fault.kind == call && (fault.nth == 0 || fault.nth == count) &&
                    name.ends_with(fault.name))
                    return fault.error;
            }
            return 0;
        });
    }
    ~FaultPlan() { fileio::SetFaultHook(nullptr); }
    FaultPlan(const FaultPlan&) = delete;
    FaultPlan& operator=(const FaultPlan&) = delete;

    int Calls(fileio::Call kind) const {
        return static_cast<int>(std::count_if(
            made_.begin(), made_.end(), [&](const auto& made) { return made.first == kind; }));
    }
    // Every call so far, with the name of the file it was about.
    const std::vector<std::pair<fileio::Call, std::string>>& Made() const { return made_; }

private:
    std::vector<Fault> faults_;
    std::vector<std::pair<fileio::Call, std::string>> made_;
};

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
