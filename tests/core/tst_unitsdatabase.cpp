// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/pendingchange.h"
#include "core/textfile.h"
#include "databasefolder.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <csignal>
#include <memory>
#include <random>
#include <sys/stat.h>

using namespace quorvel;
using quorvel::test::ReadBytes;
using quorvel::test::WriteBytes;

namespace {

QByteArray Lines(int count, const char* stem) {
    QByteArray bytes;
    for (int k = 1; k <= count; ++k)
        bytes += stem + QByteArray::number(k) + "\r\n";
    return bytes;
}

constexpr qint64 Huge = qint64(20) << 30;

// A sparse file of 20 GB, which takes no room on the disk.
void MakeHuge(const QString& path) {
    WriteBytes(path, {});
    QVERIFY(QFile(path).resize(Huge));
}

// Another copy of the program on the same folder, in a process of its own (databasecopy.cpp).
class OtherCopy {
public:
    explicit OtherCopy(const QString& folder) {
        process_.start(QUORVEL_DATABASE_COPY, {folder});
        process_.waitForStarted();
    }
    ~OtherCopy() {
        ::kill(static_cast<pid_t>(process_.processId()), SIGCONT);
        process_.closeWriteChannel();
        process_.waitForFinished();
    }
    // The command's answer line.
    QString Ask(const QStringList& command) {
        process_.write(command.join('\t').toUtf8() + "\n");
        while (!process_.canReadLine() && process_.waitForReadyRead(30000)) {
        }
        return QString::fromUtf8(process_.readLine()).trimmed();
    }
    void Signal(int signal) { ::kill(static_cast<pid_t>(process_.processId()), signal); }

private:
    QProcess process_;
};

} // namespace

class TestUnitsDatabase : public QObject, test::DatabaseFolder {
    Q_OBJECT

private slots:
    void init();

    void readsWholeGroupList_data();
    void readsWholeGroupList();
    void loadsGroupInFileOrder();
    void loadsBadGroupFiles_data();
    void loadsBadGroupFiles();
    void loadsRandomBytes();
    void missingFilesFail();
    void missingFolderFailsEveryOperation();
    void writesGroupListAndUnits();
    void failedFactorsWriteKeepsNames_data();
    void failedFactorsWriteKeepsNames();
    void writesListAndUnitsTogether_data();
    void writesListAndUnitsTogether();
    void renamesBothFilesThenWritesThem_data();
    void renamesBothFilesThenWritesThem();
    void failedRenameRenamesBack();
    void renameRefusesToReplaceAnotherGroup();
    void renameKeepsGroupListInStep_data();
    void renameKeepsGroupListInStep();
    void renameRefusesBadNames_data();
    void renameRefusesBadNames();
    void groupNameWithSeparatorIsRefused();
    void refusesSpecialFiles_data();
    void refusesSpecialFiles();
    void writesThroughLinks_data();
    void writesThroughLinks();
    void recordNotCarriedOutLeavesReads_data();
    void recordNotCarriedOutLeavesReads();
    void twoCopiesNeverUndoEachOther_data();
    void twoCopiesNeverUndoEachOther();

private:
    // Each group of the list with its units ("?" when they cannot be read), then the names
    // files the folder holds.
    QString State() const;
};

void TestUnitsDatabase::init() {
    Fresh();
}

void TestUnitsDatabase::readsWholeGroupList_data() {
    QTest::addColumn<int>("lines");
    QTest::addRow("empty list") << 0;
    QTest::addRow("22 groups") << 22;
    QTest::addRow("23 groups") << 23;
    QTest::addRow("24 groups") << 24;
}

void TestUnitsDatabase::readsWholeGroupList() {
    QFETCH(int, lines);
    WriteBytes(File("Groups.ung"), Lines(lines, "G"));
    const std::vector<std::string> groups = db_->ReadGroupList();
    QCOMPARE(groups.size(), size_t(lines));
    for (int k = 0; k < lines; ++k)
        QCOMPARE(groups[size_t(k)], std::string("G").append(std::to_string(k + 1)));
}

void TestUnitsDatabase::loadsGroupInFileOrder() {
    WriteGroup("Length", "metre\r\ninch\r\n", "1\r\n0.0254\r\n");
    const std::vector<Unit> units = db_->LoadGroup("Length");
    QCOMPARE(units, (std::vector<Unit>{{"metre", "1"}, {"inch", "0.0254"}}));
}

void TestUnitsDatabase::loadsBadGroupFiles_data() {
    QTest::addColumn<QByteArray>("names");
    QTest::addColumn<QByteArray>("factors");
    QTest::addColumn<QStringList>("expected"); // name=factor per unit
    QTest::addRow("fewer factors than names")
        << QByteArray("a\r\nb\r\nc\r\n") << QByteArray("1\r\n") << QStringList{"a=1", "b=", "c="};
    QTest::addRow("more factors than names")
        << QByteArray("a\r\n") << QByteArray("1\r\n2\r\n3\r\n") << QStringList{"a=1"};
    QTest::addRow("empty last name")
        << QByteArray("a\r\n\r\n") << QByteArray("1\r\n2\r\n") << QStringList{"a=1", "=2"};
    QTest::addRow("no final line end")
        << QByteArray("a\r\nb") << QByteArray("1\r\n2") << QStringList{"a=1", "b=2"};
    QTest::addRow("CR-only line ends")
        << QByteArray("a\rb\r") << QByteArray("1\r2\r") << QStringList{"a=1", "b=2"};
    QTest::addRow("0x1A in mid-file") << QByteArray("a\r\nb\x1A"
                                                    "c\r\n")
                                      << QByteArray("1\r\n2\r\n3\r\n") << QStringList{"a=1", "b=2"};
    QTest::addRow("empty files") << QByteArray() << QByteArray() << QStringList{};
}

void TestUnitsDatabase::loadsBadGroupFiles() {
    QFETCH(QByteArray, names);
    QFETCH(QByteArray, factors);
    QFETCH(QStringList, expected);
    WriteGroup("G", names, factors);
    QStringList loaded;
    for (const Unit& unit : db_->LoadGroup("G"))
        loaded << QString::fromStdString(unit.name + "=" + unit.factor);
    QCOMPARE(loaded, expected);
}

void TestUnitsDatabase::loadsRandomBytes() {
    std::mt19937 random(42);
    QByteArray names, factors;
    for (int k = 0; k < 65536; ++k) {
        names.append(static_cast<char>(random()));
        factors.append(static_cast<char>(random()));
    }
    WriteGroup("Noise", names, factors);
    const std::vector<Unit> units = db_->LoadGroup("Noise");
    QCOMPARE(units.size(), SplitLines(names.toStdString()).size());
    // Whatever the bytes, the text handed on is valid UTF-8.
    for (const Unit& unit : units)
        QVERIFY(IsValidUtf8(unit.name) && IsValidUtf8(unit.factor));
}

void TestUnitsDatabase::missingFilesFail() {
    QVERIFY_THROWS_EXCEPTION(EFileError, db_->ReadGroupList());
    WriteBytes(File("OnlyNames.uns"), "a\r\n");
    QVERIFY_THROWS_EXCEPTION(EFileError, db_->LoadGroup("OnlyNames"));
    WriteBytes(File("OnlyFactors.unf"), "1\r\n");
    QVERIFY_THROWS_EXCEPTION(EFileError, db_->LoadGroup("OnlyFactors"));
}

void TestUnitsDatabase::missingFolderFailsEveryOperation() {
    const UnitsDatabase absent(dir_->filePath("NoSuchFolder").toStdString());
    QVERIFY_THROWS_EXCEPTION(EFileError, absent.ReadGroupList());
    QVERIFY_THROWS_EXCEPTION(EFileError, absent.LoadGroup("Length"));
    QVERIFY_THROWS_EXCEPTION(EFileError, absent.WriteGroupList({"Length"}));
    QVERIFY_THROWS_EXCEPTION(EFileError, absent.WriteGroupUnits("Length", {{"metre", "1"}}));
    QVERIFY_THROWS_EXCEPTION(EFileError, absent.RenameGroup("Length", "Distance"));
    QVERIFY(!QDir(dir_->filePath("NoSuchFolder")).exists());
}

void TestUnitsDatabase::writesGroupListAndUnits() {
    db_->WriteGroupList({"Length", "Mass"});
    QCOMPARE(ReadBytes(File("Groups.ung")), QByteArray("Length\r\nMass\r\n"));
    db_->WriteGroupUnits("Length", {{"metre", "1"}, {"inch", "0,0254"}});
    QCOMPARE(ReadBytes(File("Length.uns")), QByteArray("metre\r\ninch\r\n"));
    QCOMPARE(ReadBytes(File("Length.unf")), QByteArray("1\r\n0,0254\r\n"));
    QCOMPARE(db_->LoadGroup("Length"), (std::vector<Unit>{{"metre", "1"}, {"inch", "0,0254"}}));
}

void TestUnitsDatabase::failedFactorsWriteKeepsNames_data() {
    QTest::addColumn<QByteArray>("names");
    QTest::addRow("old names restored") << QByteArray("old\r\n");
    QTest::addRow("new names removed") << QByteArray("<missing>");
}

void TestUnitsDatabase::failedFactorsWriteKeepsNames() {
    QFETCH(QByteArray, names);
    if (names != "<missing>")
        WriteBytes(File("G.uns"), names);
    QVERIFY(QDir(folder_).mkdir("G.unf")); // a folder where the factors file should go
    QVERIFY_THROWS_EXCEPTION(EFileError, db_->WriteGroupUnits("G", {{"new", "1"}}));
    QCOMPARE(ReadBytes(File("G.uns")), names);
}

void TestUnitsDatabase::writesListAndUnitsTogether_data() {
    QTest::addColumn<QString>("blocked"); // a folder in this file's place fails its write
    QTest::addRow("all written") << "";
    QTest::addRow("factors fail") << "G.unf";
    QTest::addRow("names fail") << "G.uns";
}

// The group list and a group's two files change together, or none of them does.
void TestUnitsDatabase::writesListAndUnitsTogether() {
    QFETCH(QString, blocked);
    WriteBytes(File("Groups.ung"), "G\r\nH\r\n");
    WriteGroup("G", "old\r\n", "2\r\n");
    if (!blocked.isEmpty()) {
        QVERIFY(QFile::remove(File(blocked)));
        QVERIFY(QDir(folder_).mkdir(blocked));
    }
    const QMap<QString, QByteArray> before = {{"Groups.ung", ReadBytes(File("Groups.ung"))},
                                              {"G.uns", ReadBytes(File("G.uns"))},
                                              {"G.unf", ReadBytes(File("G.unf"))}};
    try {
        db_->WriteGroupListAndUnits({"H", "G"}, "G", {{"new", "1"}, {"other", "3"}});
        QVERIFY(blocked.isEmpty());
    } catch (const EFileError& error) {
        QVERIFY2(!blocked.isEmpty(), error.what());
    }
    if (blocked.isEmpty()) {
        QCOMPARE(ReadBytes(File("Groups.ung")), QByteArray("H\r\nG\r\n"));
        QCOMPARE(ReadBytes(File("G.uns")), QByteArray("new\r\nother\r\n"));
        QCOMPARE(ReadBytes(File("G.unf")), QByteArray("1\r\n3\r\n"));
    } else {
        for (auto it = before.begin(); it != before.end(); ++it)
            QCOMPARE(ReadBytes(File(it.key())), it.value());
    }
}

void TestUnitsDatabase::renamesBothFilesThenWritesThem_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addRow("plain") << QByteArray("Distance");
    QTest::addRow("same name") << QByteArray("Length");
    QTest::addRow("inner blanks and dots") << QByteArray("Length 2.0 (old)");
    QTest::addRow("non-ASCII") << QByteArray("L\xC3\xA4nge");
    QTest::addRow("device names as part of a word") << QByteArray("Console COM10 LPT");
    // The longest name whose files the folder takes; the writer's temporaries must fit too.
    QTest::addRow("longest") << QByteArray(NAME_MAX - 4, 'x');
}

void TestUnitsDatabase::renamesBothFilesThenWritesThem() {
    QFETCH(QByteArray, name);
    const std::string newName = name.toStdString();
    WriteGroup("Length", "metre\r\n", "1\r\n");
    db_->RenameGroup("Length", newName);
    QCOMPARE(db_->LoadGroup(newName), (std::vector<Unit>{{"metre", "1"}}));
    db_->WriteGroupUnits(newName, {{"metre", "1"}, {"inch", "0.0254"}});
    QCOMPARE(db_->LoadGroup(newName), (std::vector<Unit>{{"metre", "1"}, {"inch", "0.0254"}}));
    QCOMPARE(QDir(folder_).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

void TestUnitsDatabase::failedRenameRenamesBack() {
    WriteBytes(File("Length.uns"), "metre\r\n"); // no factors file: the second rename fails
    QVERIFY_THROWS_EXCEPTION(EFileError, db_->RenameGroup("Length", "Distance"));
    QCOMPARE(ReadBytes(File("Length.uns")), QByteArray("metre\r\n"));
    QVERIFY(!QFile::exists(File("Distance.uns")));
}

void TestUnitsDatabase::renameRefusesToReplaceAnotherGroup() {
    WriteGroup("Length", "metre\r\n", "1\r\n");
    WriteGroup("Mass", "kilogram\r\n", "1\r\n");
    QVERIFY_THROWS_EXCEPTION(EFileError, db_->RenameGroup("Length", "Mass"));
    QCOMPARE(db_->LoadGroup("Length"), (std::vector<Unit>{{"metre", "1"}}));
    QCOMPARE(db_->LoadGroup("Mass"), (std::vector<Unit>{{"kilogram", "1"}}));
}

void TestUnitsDatabase::renameKeepsGroupListInStep_data() {
    QTest::addColumn<QByteArray>("list"); // "<none>": no group list
    QTest::addColumn<QByteArray>("renamed");
    QTest::addRow("listed once") << QByteArray("Mass\r\nLength\r\n")
                                 << QByteArray("Mass\r\nDistance\r\n");
    QTest::addRow("listed twice") << QByteArray("Length\r\nMass\r\nLength\r\n")
                                  << QByteArray("Distance\r\nMass\r\nDistance\r\n");
    QTest::addRow("not listed") << QByteArray("Mass\r\n") << QByteArray("Mass\r\n");
    QTest::addRow("no group list") << QByteArray("<none>") << QByteArray("<missing>");
    QTest::addRow("Windows-1252 list stays so") << QByteArray("Gr\xF6\xDF"
                                                              "e\r\nLength\r\n")
                                                << QByteArray("Gr\xF6\xDF"
                                                              "e\r\nDistance\r\n");
    // Two groups of one name would share their files.
    QTest::addRow("new name listed, without files")
        << QByteArray("Length\r\nDistance\r\n") << QByteArray("Length\r\nDistance\r\n");
}

// The group list names the group by its new name as soon as its files carry it.
void TestUnitsDatabase::renameKeepsGroupListInStep() {
    QFETCH(QByteArray, list);
    QFETCH(QByteArray, renamed);
    WriteGroup("Length", "metre\r\n", "1\r\n");
    if (list != "<none>")
        WriteBytes(File("Groups.ung"), list);
    const bool refused = list.contains("Distance");
    try {
        db_->RenameGroup("Length", "Distance");
        QVERIFY(!refused);
    } catch (const EGroupNameError& error) {
        QVERIFY2(refused && QString(error.what()).contains("in the group list already"),
                 error.what());
    }
    QCOMPARE(ReadBytes(File("Groups.ung")), renamed);
    QCOMPARE(QFile::exists(File("Distance.uns")), !refused);
    QCOMPARE(QFile::exists(File("Length.unf")), refused);
}

void TestUnitsDatabase::renameRefusesBadNames_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("reason");
    QTest::addRow("empty") << QByteArray() << "be empty";
    QTest::addRow("dot") << QByteArray(".") << "begin or end with a blank or a dot";
    QTest::addRow("dot dot") << QByteArray("..") << "begin or end with a blank or a dot";
    QTest::addRow("out of the folder") << QByteArray("../x") << "begin or end";
    QTest::addRow("leading blank") << QByteArray(" x") << "begin or end";
    QTest::addRow("trailing tab") << QByteArray("x\t") << "begin or end";
    QTest::addRow("trailing dot") << QByteArray("x.") << "begin or end";
    QTest::addRow("CR") << QByteArray("x\ry") << "hold a line break";
    QTest::addRow("LF") << QByteArray("x\ny") << "hold a line break";
    QTest::addRow("0x1A") << QByteArray("x\x1Ay") << "end-of-file character";
    QTest::addRow("NUL") << QByteArray("x\0y", 3) << "NUL";
    for (const char c : QByteArray("/\\:*?\"<>|"))
        QTest::addRow("character %c", c)
            << (QByteArray("x") + c + "y") << QString("hold the character ") + c;
    QTest::addRow("too long") << QByteArray(NAME_MAX - 3, 'x')
                              << QString("at most %1 bytes").arg(NAME_MAX - 4);
    QTest::addRow("not UTF-8") << QByteArray("L\xE4nge") << "not UTF-8 text";
    QTest::addRow("tab inside") << QByteArray("x\ty") << "control character";
    QTest::addRow("DEL") << QByteArray("x\x7Fy") << "control character";
    QTest::addRow("C1 control") << QByteArray("x\xC2\x85y") << "control character";
    QTest::addRow("line separator") << QByteArray("x\xE2\x80\xA8y") << "line break";
    QTest::addRow("trailing no-break space") << QByteArray("Length\xC2\xA0") << "begin or end";
    QTest::addRow("leading ideographic space") << QByteArray("\xE3\x80\x80x") << "begin or end";
    QTest::addRow("inner no-break space") << QByteArray("a\xC2\xA0"
                                                        "b")
                                          << "blank other than the ordinary space";
    QTest::addRow("right-to-left override") << QByteArray("x\xE2\x80\xAEy") << "direction";
    QTest::addRow("zero-width space") << QByteArray("Len\xE2\x80\x8Bgth") << "invisible";
    for (const char* device : {"CON", "nul", "Aux.old", "COM1", "lpt9 .x", "COM\xC2\xB9"})
        QTest::addRow("device %s", device) << QByteArray(device) << "keeps for a device";
}

// A refused name changes nothing, and the message tells the user why.
void TestUnitsDatabase::renameRefusesBadNames() {
    QFETCH(QByteArray, name);
    QFETCH(QString, reason);
    WriteGroup("Length", "metre\r\n", "1\r\n");
    try {
        db_->RenameGroup("Length", name.toStdString());
        QFAIL("the name was accepted");
    } catch (const EGroupNameError& error) {
        QVERIFY2(QString(error.what()).contains(reason), error.what());
    }
    QCOMPARE(QDir(folder_).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"Length.unf", "Length.uns"}));
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList());
}

void TestUnitsDatabase::groupNameWithSeparatorIsRefused() {
    WriteBytes(dir_->filePath("Outside.uns"), "x\r\n");
    WriteBytes(dir_->filePath("Outside.unf"), "1\r\n");
    QVERIFY_THROWS_EXCEPTION(EFileError, db_->LoadGroup("../Outside"));
    QVERIFY_THROWS_EXCEPTION(EFileError, db_->WriteGroupUnits("../Outside", {{"y", "2"}}));
    QCOMPARE(ReadBytes(dir_->filePath("Outside.uns")), QByteArray("x\r\n"));
}

void TestUnitsDatabase::refusesSpecialFiles_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("write");
    // A sparse file: refused before it is read.
    QTest::addRow("group list of 20 GB, read") << "Groups.ung"
                                               << "huge" << false;
    QTest::addRow("group list of 20 GB, written") << "Groups.ung"
                                                  << "huge" << true;
    QTest::addRow("names of 20 GB, read") << "G.uns"
                                          << "huge" << false;
    QTest::addRow("group list a pipe, read") << "Groups.ung"
                                             << "pipe" << false;
    QTest::addRow("group list a pipe, written") << "Groups.ung"
                                                << "pipe" << true;
    QTest::addRow("names a link to an endless device, read") << "G.uns"
                                                             << "device" << false;
    QTest::addRow("names a link to an endless device, written") << "G.uns"
                                                                << "device" << true;
    QTest::addRow("factors a folder, read") << "G.unf"
                                            << "folder" << false;
    QTest::addRow("factors a folder, written") << "G.unf"
                                               << "folder" << true;
}

// Anything but a regular file of a sane size is refused at once: nothing blocks, reads without
// end, exhausts the memory or is replaced.
void TestUnitsDatabase::refusesSpecialFiles() {
    QFETCH(QString, file);
    QFETCH(QString, kind);
    QFETCH(bool, write);
    WriteGroup("G", "a\r\n", "1\r\n");
    WriteBytes(File("Groups.ung"), "G\r\n");
    QFile::remove(File(file));
    const QByteArray path = File(file).toLocal8Bit();
    if (kind == "pipe")
        QVERIFY(::mkfifo(path.constData(), 0600) == 0);
    else if (kind == "device")
        QVERIFY(QFile::link("/dev/zero", File(file)));
    else if (kind == "huge")
        MakeHuge(File(file));
    else
        QVERIFY(QDir(folder_).mkdir(file));
    try {
        if (!write)
            file == "Groups.ung" ? (void)db_->ReadGroupList() : (void)db_->LoadGroup("G");
        else if (file == "Groups.ung")
            db_->WriteGroupList({"G"});
        else
            db_->WriteGroupUnits("G", {{"b", "2"}});
        QFAIL("a special file was used");
    } catch (const EFileError& error) {
        QVERIFY2(QString(error.what())
                     .contains(kind == "huge" ? "': File too large" : "is not a regular file"),
                 error.what());
    }
    QCOMPARE(QFileInfo(File(file)).isFile(), kind == "huge");
    if (kind == "huge")
        QCOMPARE(QFileInfo(File(file)).size(), Huge);
}

void TestUnitsDatabase::writesThroughLinks_data() {
    QTest::addColumn<QStringList>("linked");
    QTest::addRow("group list") << QStringList{"Groups.ung"};
    QTest::addRow("group's files") << QStringList{"G.unf", "G.uns"};
}

// A database file that is a link to a shared one keeps sharing it after a write.
void TestUnitsDatabase::writesThroughLinks() {
    QFETCH(QStringList, linked);
    QVERIFY(QDir(dir_->path()).mkdir("Shared"));
    WriteGroup("G", "a\r\n", "1\r\n");
    WriteBytes(File("Groups.ung"), "G\r\n");
    for (const QString& name : linked) {
        QVERIFY(QFile::rename(File(name), dir_->filePath("Shared/" + name)));
        QVERIFY(QFile::link("../Shared/" + name, File(name)));
    }
    db_->WriteGroupList({"G", "H"});
    db_->WriteGroupUnits("G", {{"b", "2"}});
    for (const QString& name : linked)
        QVERIFY2(QFileInfo(File(name)).isSymLink(), qPrintable(name));
    QCOMPARE(db_->ReadGroupList(), (std::vector<std::string>{"G", "H"}));
    QCOMPARE(db_->LoadGroup("G"), (std::vector<Unit>{{"b", "2"}}));
    QCOMPARE(QDir(dir_->filePath("Shared")).entryList(QDir::Files | QDir::Hidden), linked);
}

void TestUnitsDatabase::recordNotCarriedOutLeavesReads_data() {
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("setAside"); // the name it is set aside as; "": kept
    QTest::addRow("garbage") << "garbage"
                             << ".quorvel-pending.unreadable";
    QTest::addRow("20 GB") << "huge"
                           << ".quorvel-pending.unreadable";
    QTest::addRow("a folder") << "folder"
                              << ".quorvel-pending.unreadable";
    QTest::addRow("a second damaged record") << "second"
                                             << ".quorvel-pending.unreadable-2";
    QTest::addRow("a third damaged record") << "third"
                                            << ".quorvel-pending.unreadable-3";
    QTest::addRow("change that cannot be completed") << "stuck"
                                                     << "";
}

// A record that cannot be carried out blocks no reading: the files it names are read as they
// stand. One that cannot be ours is set aside, named in the notice with what to do, and writes
// go on; a real change that cannot be completed refuses writes, and is completed once it can.
void TestUnitsDatabase::recordNotCarriedOutLeavesReads() {
    QFETCH(QString, record);
    QFETCH(QString, setAside);
    WriteBytes(File("Groups.ung"), "A\r\nZ\r\n");
    WriteGroup("A", "old\r\n", "1\r\n");
    WriteGroup("Z", "z\r\n", "1\r\n");
    const QString pending = File(PendingChangeName);
    if (record == "huge")
        MakeHuge(pending);
    else if (record == "folder")
        QVERIFY(QDir(folder_).mkdir(PendingChangeName));
    else if (record == "stuck") {
        WriteBytes(File(".q1-1.tmp"), "new\r\n");
        WriteBytes(pending, QByteArray::fromStdString(
                                EncodeChange({{ChangeStep::Replace, "A.uns", ".q1-1.tmp"}})));
    } else {
        WriteBytes(pending, "garbage");
        if (record == "second" || record == "third")
            WriteBytes(File(".quorvel-pending.unreadable"), "earlier");
        if (record == "third")
            WriteBytes(File(".quorvel-pending.unreadable-2"), "earlier");
    }
    std::optional<test::FaultPlan> readOnly;
    if (record == "stuck")
        readOnly.emplace(std::vector<test::Fault>{{fileio::Call::Rename, EROFS}});

    QCOMPARE(db_->ReadGroupList(), (std::vector<std::string>{"A", "Z"}));
    QCOMPARE(db_->LoadGroup("A"), (std::vector<Unit>{{"old", "1"}}));
    const QString notice = QString::fromStdString(db_->PendingChangeNotice().English());
    if (setAside.isEmpty()) {
        QVERIFY2(notice.contains("cannot be completed now (Cannot replace '" + File("A.uns")),
                 qPrintable(notice));
        QVERIFY_THROWS_EXCEPTION(EFileError, db_->WriteGroupUnits("Z", {{"y", "2"}}));
        QCOMPARE(ReadBytes(File("Z.uns")), QByteArray("z\r\n"));
        readOnly.reset();
        QVERIFY(db_->PendingChangeNotice().IsEmpty());
        QCOMPARE(db_->LoadGroup("A"), (std::vector<Unit>{{"new", "1"}}));
        QVERIFY(!QFile::exists(pending));
        return;
    }
    QVERIFY(!QFileInfo::exists(pending));
    QVERIFY(QFileInfo::exists(File(setAside)));
    QStringList named; // each file between quotes, in the notice's order
    for (const QRegularExpressionMatch& quoted :
         QRegularExpression("'([^']*)'").globalMatch(notice))
        named << quoted.captured(1);
    QStringList setAsideFiles;
    for (const QString& name :
         QDir(folder_).entryList({".quorvel-pending.unreadable*"}, QDir::AllEntries | QDir::Hidden))
        setAsideFiles << File(name);
    setAsideFiles.sort();
    QCOMPARE(named, setAsideFiles);
    QVERIFY2(notice.contains("set aside as '" + File(".quorvel-pending.unreadable") + "'") &&
                 notice.endsWith(setAsideFiles.size() > 1 ? "then delete those files."
                                                          : "then delete that file."),
             qPrintable(notice));
    db_->WriteGroupUnits("A", {{"y", "2"}});
    QCOMPARE(db_->LoadGroup("A"), (std::vector<Unit>{{"y", "2"}}));
}

QString TestUnitsDatabase::State() const {
    QStringList state;
    for (const std::string& group : db_->ReadGroupList()) {
        QStringList units;
        try {
            for (const Unit& unit : db_->LoadGroup(group))
                units << QString::fromStdString(unit.name);
        } catch (const EFileError&) {
            units << "?"; // its files cannot be read
        }
        state << QString::fromStdString(group) + "[" + units.join(' ') + "]";
    }
    state << "|" << QDir(folder_).entryList({"*.uns"}, QDir::Files).join(' ');
    return state.join(' ');
}

void TestUnitsDatabase::twoCopiesNeverUndoEachOther_data() {
    QTest::addColumn<QString>("script"); // "<copy> <command>" steps; "stop" and "continue" signal
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("state");
    QTest::addRow("a rename is not undone by the other copy's save")
        << "B open Length|A open Length|A rename Length Distance|A save|B add furlong 201.168|"
           "B save"
        << "ok ok ok ok ok changed"
        << "Distance[metre inch] Mass[kilogram] | Distance.uns Mass.uns";
    QTest::addRow("a saved group is not undone by the other copy's choice")
        << "A open Length|B open Length|A add foot 0.3048|A save|B add yard 0.9144|B choose Mass"
        << "ok ok ok ok ok changed"
        << "Length[metre inch foot] Mass[kilogram] | Length.uns Mass.uns";
    QTest::addRow("a saved list refuses the other copy's rename")
        << "A open Length|B open Length|A rename Mass Weight|B rename Length Distance"
        << "ok ok ok changed"
        << "Length[metre inch] Weight[kilogram] | Length.uns Weight.uns";
    QTest::addRow("edits of different groups both stay")
        << "A open Mass|B open Length|A add gram 0.001|A choose Length|B add foot 0.3048|B save"
        << "ok ok ok ok ok ok"
        << "Length[metre inch foot] Mass[kilogram gram] | Length.uns Mass.uns";
    QTest::addRow("a copy's own rename keeps its edits")
        << "A open Length|A rename Length Distance|A add foot 0.3048|A save"
        << "ok ok ok ok"
        << "Distance[metre inch foot] Mass[kilogram] | Distance.uns Mass.uns";
    QTest::addRow("a file deleted by another program refuses the save")
        << "A open Length|A add foot 0.3048|B delete Length.unf|A save"
        << "ok ok ok changed"
        << "Length[?] Mass[kilogram] | Length.uns Mass.uns";
    QTest::addRow("a stopped copy holding the lock: busy, then saved")
        << "B open Length|A hold|A stop|B add foot 0.3048|B save|A continue|A release|B save"
        << "ok held ok busy ok ok"
        << "Length[metre inch foot] Mass[kilogram] | Length.uns Mass.uns";
}

// Two processes edit one database as the preferences window does: a save or a choice based on
// files the other copy has changed since is refused and changes nothing; a lock kept by a
// stopped copy makes a write give up, and it can be tried again.
void TestUnitsDatabase::twoCopiesNeverUndoEachOther() {
    QFETCH(QString, script);
    QFETCH(QString, answers);
    QFETCH(QString, state);
    WriteBytes(File("Groups.ung"), "Length\r\nMass\r\n");
    WriteGroup("Length", "metre\r\ninch\r\n", "1\r\n0.0254\r\n");
    WriteGroup("Mass", "kilogram\r\n", "1\r\n");
    std::map<QString, std::unique_ptr<OtherCopy>> copies;
    for (const char* name : {"A", "B"})
        copies[name] = std::make_unique<OtherCopy>(folder_);
    QStringList said;
    for (const QString& step : script.split('|')) {
        QStringList words = step.split(' ');
        OtherCopy& copy = *copies[words.takeFirst()];
        if (words[0] == "stop" || words[0] == "continue") {
            copy.Signal(words[0] == "stop" ? SIGSTOP : SIGCONT);
            continue;
        }
        const QString answer = copy.Ask(words);
        said << answer.section(' ', 0, 0);
        if (answer.startsWith("busy"))
            QCOMPARE(answer,
                     QString("busy Another copy of Quorvel is changing the units database"));
    }
    QCOMPARE(said.join(' '), answers);
    copies.clear();
    QCOMPARE(State(), state);
}

QTEST_APPLESS_MAIN(TestUnitsDatabase)
#include "tst_unitsdatabase.moc"
