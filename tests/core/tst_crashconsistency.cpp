#include "core/pendingchange.h"
#include "core/textfile.h"
#include "databasefolder.h"

#include <QElapsedTimer>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace quorvel;

namespace {

enum class Change { WriteUnits, Rename };

// Version v of a group: 1 to 4 units, each name and factor marked with v and the unit's number,
// so a names file of one version beside a factors file of another shows.
std::vector<Unit> Version(int v) {
    std::vector<Unit> units;
    for (int k = 1; k <= 1 + v % 4; ++k)
        units.push_back({"u" + std::to_string(v) + "-" + std::to_string(k),
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

private:
    bool Exists(const QString& name) const { return QFile::exists(File(name)); }
    void StartAgain() {
        QVERIFY(QDir(folder_).removeRecursively() && QDir(dir_->path()).mkdir("Files"));
        db_->WriteGroupList({"A"});
        db_->WriteGroupUnits("A", Version(0));
    }
    void Perform(Change change, int v) const;
    bool GroupIsWhole(Change change) const;
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
    QTest::addRow("writes of a group's units") << Change::WriteUnits << 500;
    QTest::addRow("renames of a group") << Change::Rename << 500;
}

// A child process changes the group in a loop and is killed at a random moment; the next
// opening of the folder must find the group whole, old or new, and a later write must leave no
// temporary behind.
void TestCrashConsistency::killedChangesLeaveWholeGroups() {
    QFETCH(Change, change);
    QFETCH(int, kills);
    QElapsedTimer timer;
    timer.start();
    constexpr int timedChanges = 20;
    for (int v = 1; v <= timedChanges; ++v)
        Perform(change, v);
    const qint64 changeMicroseconds = timer.nsecsElapsed() / 1000 / timedChanges + 1;

    std::mt19937 random(20240607);
    std::uniform_int_distribution<qint64> moment(0, 3 * changeMicroseconds);
    int duringChange = 0;
    int recorded = 0; // kills that left a recorded change for the next opening to complete
    int broken = 0;
    for (int kill = 0; kill < kills; ++kill) {
        const QStringList hiddenBefore = OurFiles();
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            try {
                for (int v = kill * 1000;; ++v)
                    Perform(change, v);
            } catch (...) {
                ::_exit(1);
            }
        }
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
    qInfo("%d kills, %d during a change, %d with a recorded change, %d left the group broken",
          kills, duringChange, recorded, broken);
    QCOMPARE(broken, 0);
    QVERIFY(duringChange > 0); // else the kills never tested anything

    Perform(change, 1);
    QCOMPARE(OurFiles(), QStringList());
}

QTEST_APPLESS_MAIN(TestCrashConsistency)
#include "tst_crashconsistency.moc"
