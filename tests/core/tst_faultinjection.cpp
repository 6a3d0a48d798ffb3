// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/pendingchange.h"
#include "core/textfile.h"
#include "databasefolder.h"

#include <QFileInfo>
#include <array>
#include <csignal>
#include <cstring>
#include <map>
#include <set>
#include <sys/resource.h>

using namespace quorvel;
using fileio::Call;
using quorvel::test::Fault;
using quorvel::test::FaultPlan;
using quorvel::test::ReadBytes;
using quorvel::test::WriteBytes;

namespace {

// The faults tried at every call of each kind.
const Fault EveryKind[] = {
    {Call::Open, EACCES},
    {Call::Read, EIO},
    {Call::Write, ENOSPC},
    {Call::Write, fileio::ShortWrite},
    {Call::Sync, EIO},
    {Call::Close, EIO},
    {Call::Rename, EIO},
    {Call::Link, EPERM},
    // EINVAL: a file system without the no-replace rename, where links stand in for it.
    {Call::RenameNoReplace, EIO},
    {Call::RenameNoReplace, EINVAL},
    {Call::Stat, EIO},
    {Call::Unlink, EIO},
    {Call::Lock, ENOLCK},
    {Call::List, EIO},
};

enum class Operation {
    WriteExistingGroup,
    WriteNewGroup,
    WriteLinkedGroup,
    WriteGroupList,
    WriteGroupListAndUnits,
    RenameGroup,
    RenameOntoAnotherGroup,
    CompleteRecordedChange,
    SaveReport,
};

// Writes that a failing call must refuse before they change anything.
struct RefusedWrite {
    const char* row;
    Operation operation;
    std::vector<Fault> faults;
};
const RefusedWrite RefusedWrites[] = {
    // An unreadable old file is no missing file: undoing would remove it.
    {"old names unreadable, then the factors fail",
     Operation::WriteExistingGroup,
     {{Call::Open, EACCES, 0, "A.uns"}, {Call::Rename, EIO, 0, "A.unf"}}},
    {"old names not to be looked at, then the factors fail",
     Operation::WriteExistingGroup,
     {{Call::Stat, EIO, 0, "A.uns"}, {Call::Rename, EIO, 0, "A.unf"}}},
    {"old group list unreadable",
     Operation::WriteGroupList,
     {{Call::Open, EACCES, 0, "Groups.ung"}}},
    // The rename itself refuses to replace, whatever an earlier look found.
    {"stat misses the other group's files",
     Operation::RenameOntoAnotherGroup,
     {{Call::Stat, ENOENT, 0, "Z.uns"}, {Call::Stat, ENOENT, 0, "Z.unf"}}},
};

// What a folder holds, by name: the bytes of each file ("link:" before those read through a
// link). Our hidden files are left out: they are checked on their own.
using Snapshot = std::map<QString, QByteArray>;

const std::vector<Unit> NewUnits = {{"metre", "1"}, {"foot", "0.3048"}, {"yard", "0.9144"}};

} // namespace

class TestFaultInjection : public QObject, test::DatabaseFolder {
    Q_OBJECT

private slots:
    void init();
    void everySingleFaultLeavesOldOrNewFiles_data();
    void everySingleFaultLeavesOldOrNewFiles();
    void failingCallRefusesWrite_data();
    void failingCallRefusesWrite();
    void writeBeyondFileSizeLimitKeepsOldFile_data();
    void writeBeyondFileSizeLimitKeepsOldFile();
    void flushesInOrder_data();
    void flushesInOrder();
    void systemReasonsKeepTheLibrarysWords_data();
    void systemReasonsKeepTheLibrarysWords();

private:
    void Prepare(Operation operation);
    QString Perform(Operation operation) const;
    void FollowUp() const;
    Snapshot Take() const;
};

void TestFaultInjection::init() {
    Fresh();
}

// A fresh folder with two groups; the names of A are in Windows-1252.
void TestFaultInjection::Prepare(Operation operation) {
    for (const char* folder : {"Files", "Shared"}) {
        QDir(dir_->filePath(folder)).removeRecursively();
        QVERIFY(QDir(dir_->path()).mkdir(folder));
    }
    WriteBytes(File("Groups.ung"), "A\r\nZ\r\n");
    WriteGroup("A", "m\xB2tre\r\ninch\r\n", "1\r\n0,0254\r\n");
    WriteGroup("Z", "z\r\n", "1\r\n");
    if (operation == Operation::WriteLinkedGroup) {
        for (const char* name : {"L.uns", "L.unf"}) {
            WriteBytes(dir_->filePath("Shared/") + name, "shared\r\n");
            QVERIFY(QFile::link("../Shared/" + QString(name), File(name)));
        }
    }
    if (operation == Operation::CompleteRecordedChange) {
        // A write killed right after it recorded its change.
        WriteBytes(File(".q1-1.tmp"), "metre\r\nfoot\r\nyard\r\n");
        WriteBytes(File(".q1-2.tmp"), "1\r\n0.3048\r\n0.9144\r\n");
        WriteBytes(File(PendingChangeName), QByteArray::fromStdString(EncodeChange(
                                                {{ChangeStep::Replace, "A.uns", ".q1-1.tmp"},
                                                 {ChangeStep::Replace, "A.unf", ".q1-2.tmp"}})));
    }
}

// Runs the operation; what it read, for the operations that read.
QString TestFaultInjection::Perform(Operation operation) const {
    switch (operation) {
    case Operation::WriteExistingGroup: db_->WriteGroupUnits("A", NewUnits); break;
    case Operation::WriteNewGroup: db_->WriteGroupUnits("N", NewUnits); break;
    case Operation::WriteLinkedGroup: db_->WriteGroupUnits("L", NewUnits); break;
    case Operation::WriteGroupList: db_->WriteGroupList({"Z", "A", "N"}); break;
    case Operation::WriteGroupListAndUnits:
        db_->WriteGroupListAndUnits({"Z", "A"}, "A", NewUnits);
        break;
    case Operation::RenameGroup: db_->RenameGroup("A", "B"); break;
    case Operation::RenameOntoAnotherGroup: db_->RenameGroup("A", "Z"); break;
    case Operation::SaveReport:
        WriteFileAtomically(dir_->filePath("Shared/Report.txt").toStdString(), "report\n");
        break;
    case Operation::CompleteRecordedChange: {
        // Reads go on beside a change that cannot be completed; a write completes it first.
        db_->WriteGroupUnits("Z", {{"z", "1"}});
        QString loaded;
        for (const Unit& unit : db_->LoadGroup("A"))
            loaded += QString::fromStdString(unit.name + "=" + unit.factor + ";");
        return loaded;
    }
    }
    return {};
}

// The next write after a failure: it completes what was recorded and clears our leftovers.
void TestFaultInjection::FollowUp() const {
    db_->WriteGroupList(db_->ReadGroupList());
}

Snapshot TestFaultInjection::Take() const {
    Snapshot snapshot;
    for (const char* folder : {"Files", "Shared"}) {
        const QDir dir(dir_->filePath(folder));
        for (const QFileInfo& file : dir.entryInfoList(QDir::Files | QDir::System)) {
            snapshot[QString(folder) + "/" + file.fileName()] =
                (file.isSymLink() ? "link:" : "") + ReadBytes(file.filePath());
        }
    }
    return snapshot;
}

void TestFaultInjection::everySingleFaultLeavesOldOrNewFiles_data() {
    QTest::addColumn<Operation>("operation");
    QTest::addRow("write an existing group") << Operation::WriteExistingGroup;
    QTest::addRow("write a new group") << Operation::WriteNewGroup;
    QTest::addRow("write a group through links") << Operation::WriteLinkedGroup;
    QTest::addRow("write the group list") << Operation::WriteGroupList;
    QTest::addRow("write the group list and a group") << Operation::WriteGroupListAndUnits;
    QTest::addRow("rename a group and its line in the list") << Operation::RenameGroup;
    QTest::addRow("complete a recorded change") << Operation::CompleteRecordedChange;
}

// Each call the operation makes fails once, one at a time. The operation then either reported
// an error and left every file as it was, or reported success with the new content complete;
// the next write finds it so too, and leaves no file of ours behind.
void TestFaultInjection::everySingleFaultLeavesOldOrNewFiles() {
    QFETCH(Operation, operation);
    Prepare(operation);
    const Snapshot before = Take();
    FollowUp();
    const Snapshot unchanged = Take();
    Prepare(operation);
    std::array<int, fileio::CallKindCount> calls{};
    QString read;
    {
        const FaultPlan counting;
        read = Perform(operation);
        for (int kind = 0; kind < fileio::CallKindCount; ++kind)
            calls[kind] = counting.Calls(static_cast<Call>(kind));
    }
    FollowUp();
    const Snapshot changed = Take();
    QVERIFY(changed != unchanged || operation == Operation::CompleteRecordedChange);

    int injected = 0, failed = 0;
    for (const Fault& fault : EveryKind) {
        for (int k = 1; k <= calls[static_cast<int>(fault.kind)]; ++k) {
            Prepare(operation);
            const QString where =
                QString("%1 #%2 (%3)")
                    .arg(fileio::CallName(fault.kind))
                    .arg(k)
                    .arg(fault.error == fileio::ShortWrite ? QString("short")
                                                           : QString(std::strerror(fault.error)));
            std::optional<QString> error;
            QString result;
            {
                const FaultPlan plan({{fault.kind, fault.error, k, {}}});
                try {
                    result = Perform(operation);
                } catch (const EFileError& e) {
                    error = QString::fromUtf8(e.what());
                }
            }
            ++injected;
            if (error) {
                ++failed;
                // The message names the user's file or folder, never one of our own.
                QVERIFY2(!error->contains(".tmp") && !error->contains(PendingChangeName) &&
                             error->contains(dir_->path()),
                         qPrintable(where + ": " + *error));
                if (operation != Operation::CompleteRecordedChange) {
                    QVERIFY2(Take() == before, qPrintable(where + " changed files: " + *error));
                    QVERIFY2(OurFiles().isEmpty(),
                             qPrintable(where + " failed, leaving " + OurFiles().join(' ')));
                }
            } else {
                QVERIFY2(result == read, qPrintable(where + " read " + result));
            }
            FollowUp();
            QVERIFY2(Take() == (error ? unchanged : changed),
                     qPrintable(where + (error ? " failed, yet changed files"
                                               : " succeeded without the new content")));
            QVERIFY2(OurFiles().isEmpty(), qPrintable(where + " left files of ours"));
        }
    }
    qInfo("%d faults injected, %d reported as errors", injected, failed);
    QVERIFY(failed > 0 && failed < injected);
}

void TestFaultInjection::failingCallRefusesWrite_data() {
    QTest::addColumn<int>("index");
    for (size_t k = 0; k < std::size(RefusedWrites); ++k)
        QTest::addRow("%s", RefusedWrites[k].row) << static_cast<int>(k);
}

void TestFaultInjection::failingCallRefusesWrite() {
    QFETCH(int, index);
    const RefusedWrite& write = RefusedWrites[index];
    Prepare(write.operation);
    const Snapshot before = Take();
    {
        const FaultPlan plan(write.faults);
        QVERIFY_THROWS_EXCEPTION(EFileError, Perform(write.operation));
    }
    QCOMPARE(Take(), before);
}

void TestFaultInjection::writeBeyondFileSizeLimitKeepsOldFile_data() {
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<int>("lines");
    QTest::addRow("group's units") << Operation::WriteExistingGroup << 2000;
    QTest::addRow("group list") << Operation::WriteGroupList << 2000;
}

// A process limited in the size of the files it writes (SIGXFSZ ignored, so the write fails
// with EFBIG) cannot finish the new file: the old one stays.
void TestFaultInjection::writeBeyondFileSizeLimitKeepsOldFile() {
    QFETCH(Operation, operation);
    QFETCH(int, lines);
    Prepare(operation);
    const Snapshot before = Take();
    std::vector<Unit> units;
    std::vector<std::string> groups;
    for (int k = 0; k < lines; ++k) {
        units.push_back({"unit " + std::to_string(k), std::to_string(k)});
        groups.push_back("group " + std::to_string(k));
    }

    rlimit saved;
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &saved) == 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &limited) == 0);
    bool refused = false;
    try {
        if (operation == Operation::WriteGroupList)
            db_->WriteGroupList(groups);
        else
            db_->WriteGroupUnits("A", units);
    } catch (const EFileError& error) {
        refused = QString(error.what()).contains("File too large");
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(refused);
    QCOMPARE(Take(), before);
}

void TestFaultInjection::flushesInOrder_data() {
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QString>("calls");
    // A temporary is on the disk before it is renamed into place; the folder, once it is.
    const QString temporary = "open tmp, write tmp, fsync tmp, ";
    // A change of several files: the temporaries, then the record, are on the disk before the
    // first rename; the renames are on the disk before the record goes.
    const QString record = temporary + "rename .quorvel-pending, fsync Files, ";
    const QString forget = "unlink .quorvel-pending, fsync Files";
    QTest::addRow("write the group list")
        << Operation::WriteGroupList << temporary + "rename Groups.ung, fsync Files";
    QTest::addRow("save a report")
        << Operation::SaveReport << temporary + "rename Report.txt, fsync Shared";
    QTest::addRow("write a group")
        << Operation::WriteExistingGroup
        << temporary + temporary + record + "rename A.uns, rename A.unf, fsync Files, " + forget;
    QTest::addRow("write a group through links")
        << Operation::WriteLinkedGroup
        << temporary + temporary + record +
               "rename L.uns, rename L.unf, fsync Shared, fsync Shared, fsync Files, " + forget;
    QTest::addRow("rename a group")
        << Operation::RenameGroup
        << temporary + record +
               "rename without replacing B.uns, rename without replacing B.unf, "
               "rename Groups.ung, fsync Files, " +
               forget;
    QTest::addRow("complete a recorded change, then write")
        << Operation::CompleteRecordedChange
        << "rename A.uns, rename A.unf, fsync Files, " + forget + ", " + temporary + temporary +
               record + "rename Z.uns, rename Z.unf, fsync Files, " + forget;
}

// The order of the calls that make a change durable (reads, looks and closes left out), as the
// seam sees them: a flush missing or out of place shows here, where no kill could show it.
void TestFaultInjection::flushesInOrder() {
    QFETCH(Operation, operation);
    QFETCH(QString, calls);
    Prepare(operation);
    const FaultPlan recording;
    try {
        Perform(operation);
    } catch (const EFileError& error) {
        QFAIL(error.what());
    }
    static const std::set<Call> durable = {Call::Write,           Call::Sync, Call::Rename,
                                           Call::RenameNoReplace, Call::Link, Call::Unlink};
    QStringList made;
    for (const auto& [call, name] : recording.Made()) {
        const bool temporary = fileio::IsTemporaryName(name);
        if (durable.contains(call) || (call == Call::Open && temporary))
            made << QString(fileio::CallName(call)) + " " +
                        (temporary ? "tmp" : QString::fromStdString(name).section('/', -1));
    }
    QCOMPARE(made.join(", "), calls);
}

void TestFaultInjection::systemReasonsKeepTheLibrarysWords_data() {
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("translated");
    for (const auto& [name, error] : {std::pair{"ENOENT", ENOENT},
                                      {"EACCES", EACCES},
                                      {"ENOSPC", ENOSPC},
                                      {"EROFS", EROFS},
                                      {"EDQUOT", EDQUOT},
                                      {"EISDIR", EISDIR},
                                      {"EXDEV", EXDEV}})
        QTest::addRow("%s", name) << error << true;
    QTest::addRow("EAGAIN, a rare one") << EAGAIN << false;
}

// A file error's reason reads in English as the C library words it, and the reasons users meet
// are there for the translations.
void TestFaultInjection::systemReasonsKeepTheLibrarysWords() {
    QFETCH(int, error);
    QFETCH(bool, translated);
    const Message reason = fileio::SystemErrorMessage(error);
    QCOMPARE(reason.English(), std::string(std::strerror(error)));
    QCOMPARE(!reason.IsVerbatim(), translated);
}

QTEST_APPLESS_MAIN(TestFaultInjection)
#include "tst_faultinjection.moc"
