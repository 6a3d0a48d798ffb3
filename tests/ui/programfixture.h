// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The whole program, offscreen, in a temporary working folder that holds a small units database
// and the compiled manual: window tests run through the same wiring as the real program.

#include "programmain.h"
#include "testsupport.h"
#include "ui/app/program.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>

namespace quorvel::test {

inline void WriteLines(const QString& path, const QStringList& lines) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (const QString& line : lines)
        file.write(line.toUtf8() + "\r\n");
}

class ProgramFixture {
public:
    // Starts the program with one group, Length, holding `units` (all with factor 1 but inch).
    void Start(const QStringList& units = {"metre", "inch", "foot", "Inches", "yard", "mile"}) {
        dir_.emplace();
        QVERIFY(QDir(dir_->path()).mkdir("Files"));
        WriteLines(dir_->filePath("Files/Groups.ung"), {"Length"});
        QStringList factors;
        for (const QString& unit : units)
            factors << (unit == "inch" ? "0.0254" : "1");
        WriteLines(dir_->filePath("Files/Length.uns"), units);
        WriteLines(dir_->filePath("Files/Length.unf"), factors);
        QVERIFY(QFile::copy(QUORVEL_HELP_FILE, dir_->filePath("Help.qch")));
        saved_ = QDir::currentPath();
        QDir::setCurrent(dir_->path());
        program_ = std::make_unique<Program>(TestApplication());
        Main().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Main()));
    }

    void Stop() {
        program_.reset();
        if (!saved_.isEmpty())
            QDir::setCurrent(saved_);
        dir_.reset();
    }

    quorvel::Program& ProgramUnderTest() { return *program_; }
    MainWindow& Main() { return program_->Main(); }
    QString Path(const QString& name) const { return dir_->filePath(name); }

    template <typename T = QWidget> T* Find(QObject* parent, const char* name) {
        T* child = parent->findChild<T*>(name);
        if (!child)
            qFatal("no control %s", name);
        return child;
    }
    QComboBox* Picker(const char* name) { return Find<QComboBox>(&Main(), name); }
    // The file name of the help topic shown, empty while no help window is shown.
    QString Topic() { return program_->Help().CurrentTopic().fileName(); }

private:
    std::optional<QTemporaryDir> dir_;
    QString saved_;
    std::unique_ptr<Program> program_;
};

} // namespace quorvel::test
