// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/pendingchange.h"
#include "core/textfile.h"
#include "databasefolder.h"

#include <QElapsedTimer>
#include <algorithm>
#include <csignal>
#include <functional>
#include <random>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace quorvel;

namespace {

enum class Change { WriteUnits, Rename };

// Changes killed before each of their file calls in turn.
enum class Stopped {
    WriteUnits,
    Rename,
    RenameWithoutNoReplace, // on a file system without the no-replace rename (NFS, FUSE)
    WriteThroughLinks,      // the group's files are links into a folder beside the database
    SaveReport,             // a file of the user's own, outside the database
};

// Kills the process before its `killAt`-th file call (0: never); `withoutNoReplace`: acts as a
// file system without the no-replace rename.
void SetKillingHook(int killAt, bool withoutNoReplace) {
    fileio::SetFaultHook(
        [killAt, withoutNoReplace, calls = 0](fileio::Call call, std::string_view) mutable {
            if (++calls == killAt)
                ::raise(SIGKILL);
            return withoutNoReplace && call == fileio::Call::RenameNoReplace ? EINVAL : 0;
        });
}

// A child process that runs `work`, then ends: with 0 when it returned, 1 when it threw.
pid_t Child(const std::function<void()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        try {
            work();
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    return child;
}

// Version v of a group: 1 to 4 units, each name and factor marked with v and the unit's number,
// so a names file of one version beside a factors file of another shows. Appended, not literal +
// string: g++ 12 at -O3 warns falsely (-Wrestrict) on that form.
std::vector<Unit> Version(int v) {
    std::vector<Unit> units;
    for (int k = 1; k <= 1 + v % 4; ++k)
        units.push_back(
            {std::string("u").append(std::to_string(v)).append("-").append(std::to_string(k)),
             std::to_string(v) + "." + std::to_string(k)});
    return units;
}

bool IsWholeVersion(const std::vector<Unit>& units, size_t factorLines) {
    if (units.empty() || units.size() != factorLines)
        return false;
    const int v = std::stoi(units.front().factor);
    return units == Version(v);
}

} // namespace

class TestCrashConsistency : public QObject, test::DatabaseFolder {
    Q_OBJECT

private slots:
    void init();
    void killedChangesLeaveWholeGroups_data();
    void killedChangesLeaveWholeGroups();
    void killedAtEveryCallLeavesNoTrace_data();
    void killedAtEveryCallLeavesNoTrace();

private:
    bool Exists(const QString& name) const { return QFile::exists(File(name)); }
    // The files are set up as plain writes, without the database's flushes to the disk, which
    // cost most of the time where every kill starts afresh.
    void StartAgain() {
        QVERIFY(QDir(folder_).removeRecursively() && QDir(dir_->path()).mkdir("Files"));
        test::WriteBytes(File("Groups.ung"), "A\r\n");
        WriteVersion("A", 0);
    }
    void WriteVersion(const QString& group, int v) const {
        QByteArray names, factors;
        for (const Unit& unit : Version(v)) {
            names += QByteArray::fromStdString(unit.name) + "\r\n";
            factors += QByteArray::fromStdString(unit.factor) + "\r\n";
        }
        WriteGroup(group, names, factors);
    }
    void Perform(Change change, int v) const;
    bool GroupIsWhole(Change change) const;
    void Prepare(Stopped change);
    void Perform(Stopped change, int v) const;
    void CheckNoTrace(Stopped change);
    QString Report() const { return dir_->filePath("Reports/Report.txt"); }
};

void TestCrashConsistency::init() {
    Fresh();
    StartAgain();
}

void TestCrashConsistency::Perform(Change change, int v) const {
    if (change == Change::WriteUnits)
        db_->WriteGroupUnits("A", Version(v));
    else if (Exists("A.uns"))
        db_->RenameGroup("A", "B");
    else
        db_->RenameGroup("B", "A");
}

bool TestCrashConsistency::GroupIsWhole(Change change) const {
    if (change == Change::WriteUnits) {
        const std::vector<Unit> units = db_->LoadGroup("A");
        return IsWholeVersion(units, ReadTextLines(db_->FactorsFile("A")).size());
    }
    db_->ReadGroupList(); // the first opening of the folder completes a change left halfway
    // Exactly one name holds both files, they are the group's, and the list gives that name.
    const bool atA = Exists("A.uns") && Exists("A.unf") && !Exists("B.uns") && !Exists("B.unf");
    const bool atB = Exists("B.uns") && Exists("B.unf") && !Exists("A.uns") && !Exists("A.unf");
    const std::string name = atA ? "A" : "B";
    return (atA || atB) && db_->LoadGroup(name) == Version(0) &&
           db_->ReadGroupList() == std::vector<std::string>{name};
}

void TestCrashConsistency::killedChangesLeaveWholeGroups_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<int>("kills");
    QTest::addRow("writes of a group's units") << Change::WriteUnits << 100;
    QTest::addRow("renames of a group") << Change::Rename << 100;
}

// A child process changes the group in a loop and is killed at a random moment; the next
// opening of the folder must find the group whole, old or new, and a later write must leave no
// temporary behind.
void TestCrashConsistency::killedChangesLeaveWholeGroups() {
    QFETCH(Change, change);
    QFETCH(int, kills);
    // The time of a change is the median of a few, so that one slow flush to a busy disk does
    // not stretch the wait before every kill.
    std::vector<qint64> timed;
    for (int v = 1; v <= 21; ++v) {
        QElapsedTimer timer;
        timer.start();
        Perform(change, v);
        timed.push_back(timer.nsecsElapsed() / 1000 + 1);
    }
    std::nth_element(timed.begin(), timed.begin() + timed.size() / 2, timed.end());
    const qint64 changeMicroseconds = timed[timed.size() / 2];

    std::mt19937 random(20240607);
    std::uniform_int_distribution<qint64> moment(0, 3 * changeMicroseconds);
    int duringChange = 0;
    int recorded = 0; // kills that left a recorded change for the next opening to complete
    int broken = 0;
    for (int kill = 0; kill < kills; ++kill) {
        const QStringList hiddenBefore = OurFiles();
        const pid_t child = Child([&] {
            for (int v = kill * 1000;; ++v)
                Perform(change, v);
        });
        QVERIFY(child >= 0);
        ::usleep(static_cast<useconds_t>(moment(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY2(WIFSIGNALED(status), "the changing process failed before it was killed");
        // Files of ours that the killed process made show that it died in the middle of a change.
        const QStringList hiddenAfter = OurFiles();
        duringChange +=
            std::any_of(hiddenAfter.begin(), hiddenAfter.end(),
                        [&](const QString& name) { return !hiddenBefore.contains(name); });
        recorded += hiddenAfter.contains(PendingChangeName);
        if (!GroupIsWhole(change)) {
            ++broken;
            StartAgain(); // so that every kill is counted on its own
        }
    }
    qInfo("%d kills within %lld us, %d during a change, %d with a recorded change, %d left the "
          "group broken",
          kills, 3 * changeMicroseconds, duringChange, recorded, broken);
    QCOMPARE(broken, 0);
    QVERIFY(duringChange > 0); // else the kills never tested anything

    Perform(change, 1);
    QCOMPARE(OurFiles(), QStringList());
}

void TestCrashConsistency::Prepare(Stopped change) {
    StartAgain();
    WriteVersion("Z", 1);
    QDir(dir_->filePath("Shared")).removeRecursively();
    QDir(dir_->filePath("Reports")).removeRecursively();
    QVERIFY(QDir(dir_->path()).mkdir("Shared") && QDir(dir_->path()).mkdir("Reports"));
    if (change == Stopped::WriteThroughLinks) {
        for (const char* name : {"A.uns", "A.unf"}) {
            QVERIFY(QFile::rename(File(name), dir_->filePath("Shared/") + name));
            QVERIFY(QFile::link("../Shared/" + QString(name), File(name)));
        }
    }
    if (change == Stopped::SaveReport)
        WriteFileAtomically(Report().toStdString(), "old\n");
}

void TestCrashConsistency::Perform(Stopped change, int v) const {
    switch (change) {
    case Stopped::Rename:
    case Stopped::RenameWithoutNoReplace: Perform(Change::Rename, v); break;
    case Stopped::WriteUnits:
    case Stopped::WriteThroughLinks: Perform(Change::WriteUnits, v); break;
    case Stopped::SaveReport:
        WriteFileAtomically(Report().toStdString(), "version " + std::to_string(v) + "\n");
        break;
    }
}

// What the next change of the same files finds and leaves: whole files, and nothing of ours.
void TestCrashConsistency::CheckNoTrace(Stopped change) {
    switch (change) {
    case Stopped::Rename:
    case Stopped::RenameWithoutNoReplace: {
        QVERIFY(GroupIsWhole(Change::Rename));
        // The name the group left is free for another group, and back.
        const std::string left = Exists("A.uns") ? "B" : "A";
        db_->RenameGroup("Z", left);
        db_->RenameGroup(left, "Z");
        break;
    }
    case Stopped::WriteUnits:
    case Stopped::WriteThroughLinks:
        QVERIFY(GroupIsWhole(Change::WriteUnits));
        Perform(change, 2);
        QCOMPARE(db_->LoadGroup("A"), Version(2));
        break;
    case Stopped::SaveReport:
        Perform(change, 2);
        QCOMPARE(QDir(dir_->filePath("Reports")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"Report.txt"});
        break;
    }
    QCOMPARE(OurFiles(), QStringList());
}

void TestCrashConsistency::killedAtEveryCallLeavesNoTrace_data() {
    QTest::addColumn<Stopped>("change");
    QTest::addRow("write of a group's units") << Stopped::WriteUnits;
    QTest::addRow("rename of a group") << Stopped::Rename;
    QTest::addRow("rename without the no-replace rename") << Stopped::RenameWithoutNoReplace;
    QTest::addRow("write through links into another folder") << Stopped::WriteThroughLinks;
    QTest::addRow("save of a report") << Stopped::SaveReport;
}

// A child process makes the change and is killed right before its k-th file call, for every
// k; the next change of the same files (with the same file system) finds them whole and leaves
// no file of ours behind, also in the folder a link leads to and in the user's own folder.
void TestCrashConsistency::killedAtEveryCallLeavesNoTrace() {
    QFETCH(Stopped, change);
    const bool noFlag = change == Stopped::RenameWithoutNoReplace;
    int points = 0;
    for (int k = 1;; ++k) {
        Prepare(change);
        const pid_t child = Child([&] {
            SetKillingHook(k, noFlag);
            Perform(change, 1);
        });
        QVERIFY(child >= 0);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
            break; // done before its k-th call: every call has been a kill point
        QVERIFY2(WIFSIGNALED(status), qPrintable(QString("failed before call %1").arg(k)));
        ++points;
        SetKillingHook(0, noFlag); // the same file system
        CheckNoTrace(change);
        fileio::SetFaultHook(nullptr);
        if (QTest::currentTestFailed())
            return qWarning("killed before call %d", k);
    }
    qInfo("%d kill points", points);
    QVERIFY(points > 3);
}

QTEST_APPLESS_MAIN(TestCrashConsistency)
#include "tst_crashconsistency.moc"
