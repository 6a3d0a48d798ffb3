// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/textfile.h"

#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <optional>
#include <sys/stat.h>

using namespace quorvel;
using quorvel::test::ReadBytes;
using quorvel::test::WriteBytes;

namespace {

QStringList ToQt(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& line : lines)
        list << QString::fromStdString(line);
    return list;
}

std::filesystem::path Path(const QString& path) {
    return path.toStdString();
}

} // namespace

class TestTextFile : public QObject {
    Q_OBJECT

private slots:
    void init() {
        dir_.emplace(); // every test starts in an empty folder of its own
        QVERIFY(dir_->isValid());
    }

    void splitsLines_data();
    void splitsLines();
    void validatesUtf8_data();
    void validatesUtf8();
    void decodesWindows1252();
    void roundTripsBytes_data();
    void roundTripsBytes();
    void writesAnEncodingThatReadsBack_data();
    void writesAnEncodingThatReadsBack();
    void writesCrLfAfterEveryLine();
    void readsAVeryLongLine();
    void missingFileFailsToRead();
    void writeIntoMissingFolderFails();
    void failedReplaceKeepsTargetAndLeavesNoTemporary();
    void lineWithLineEndIsRefusedAndOldFileKept();
    void writeKeepsPermissions();

private:
    QString File(const QString& name) const { return dir_->filePath(name); }

    std::optional<QTemporaryDir> dir_;
};

void TestTextFile::splitsLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::addRow("CR LF after every line") << QByteArray("A\r\nB\r\n") << QStringList{"A", "B"};
    QTest::addRow("no final line end") << QByteArray("A\r\nB") << QStringList{"A", "B"};
    QTest::addRow("CR only") << QByteArray("A\rB\r") << QStringList{"A", "B"};
    QTest::addRow("lone LF stays in the text") << QByteArray("A\nB\r\n") << QStringList{"A\nB"};
    QTest::addRow("only one LF belongs to the end")
        << QByteArray("A\r\n\nB") << QStringList{"A", "\nB"};
    QTest::addRow("empty last line") << QByteArray("A\r\n\r\n") << QStringList{"A", ""};
    QTest::addRow("two CRs") << QByteArray("\r\r") << QStringList{"", ""};
    QTest::addRow("0x1A in mid-file ends it") << QByteArray("A\r\nB\x1A"
                                                            "C\r\n")
                                              << QStringList{"A", "B"};
    QTest::addRow("0x1A first") << QByteArray("\x1A"
                                              "A")
                                << QStringList{};
    QTest::addRow("empty file") << QByteArray() << QStringList{};
    QTest::addRow("blanks are kept") << QByteArray(" a b \r\n") << QStringList{" a b "};
}

void TestTextFile::splitsLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(ToQt(SplitLines(bytes.toStdString())), lines);
    // The reader of files gives the same lines.
    WriteBytes(File("f"), bytes);
    QCOMPARE(ToQt(ReadTextLines(Path(File("f")))), lines);
}

void TestTextFile::validatesUtf8_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::addRow("ascii") << QByteArray("metre") << true;
    QTest::addRow("two-byte") << QByteArray("\xC2\xB5m") << true;
    QTest::addRow("four-byte") << QByteArray("\xF0\x9F\x98\x80") << true;
    QTest::addRow("Windows-1252 mu") << QByteArray("\xB5m") << false;
    QTest::addRow("overlong slash") << QByteArray("\xC0\xAF") << false;
    QTest::addRow("surrogate") << QByteArray("\xED\xA0\x80") << false;
    QTest::addRow("truncated") << QByteArray("\xE2\x82") << false;
    QTest::addRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
}

void TestTextFile::validatesUtf8() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QCOMPARE(IsValidUtf8(bytes.toStdString()), valid);
}

void TestTextFile::decodesWindows1252() {
    WriteBytes(File("legacy"), "\xB5m\r\n\x80 \x96 \x81\r\n");
    const QStringList lines = ToQt(ReadTextLines(Path(File("legacy"))));
    QCOMPARE(lines, (QStringList{QString::fromUtf8("\u00B5m"),
                                 QString::fromUtf8("\u20AC \u2013 \u0081")}));
}

void TestTextFile::roundTripsBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addRow("ascii") << QByteArray("metre\r\ninch\r\n");
    QTest::addRow("UTF-8") << QByteArray("\xC2\xB5m\r\n\xC3\x85ngstr\xC3\xB6m\r\n");
    QTest::addRow("Windows-1252") << QByteArray("\xB5m\r\n\xC5ngstr\xF6m\r\n");
    QTest::addRow("all high bytes") << [] {
        QByteArray bytes;
        for (int b = 0x80; b <= 0xFF; ++b)
            bytes.append(static_cast<char>(b));
        return bytes + "\r\n";
    }();
    QTest::addRow("UTF-8 and Windows-1252 mixed") << QByteArray("\xC2\xB5m\r\n\xB5m\r\n");
    QTest::addRow("lone LF") << QByteArray("a\nb\r\n");
}

void TestTextFile::roundTripsBytes() {
    QFETCH(QByteArray, bytes);
    WriteBytes(File("f"), bytes);
    WriteTextLines(Path(File("f")), ReadTextLines(Path(File("f"))));
    QCOMPARE(ReadBytes(File("f")), bytes);
}

void TestTextFile::writesAnEncodingThatReadsBack_data() {
    QTest::addColumn<QByteArray>("old"); // empty: no old file
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("written");
    QTest::addRow("new file in UTF-8")
        << QByteArray() << QStringList{"\u00B5m"} << QByteArray("\xC2\xB5m\r\n");
    QTest::addRow("Windows-1252 kept")
        << QByteArray("\xB5m\r\n") << QStringList{"\u00B5m", "\u00C5"}
        << QByteArray("\xB5m\r\n\xC5\r\n");
    QTest::addRow("text beyond Windows-1252 in UTF-8")
        << QByteArray("\xB5m\r\n") << QStringList{"\u00B5m", "\u03A9"}
        << QByteArray("\xC2\xB5m\r\n\xCE\xA9\r\n");
    // Its Windows-1252 bytes C3 A9 would read back as one character.
    QTest::addRow("Windows-1252 bytes that are UTF-8 too")
        << QByteArray("\xB5m\r\n") << QStringList{"\u00C3\u00A9"}
        << QByteArray("\xC3\x83\xC2\xA9\r\n");
    QTest::addRow("UTF-8 kept") << QByteArray("\xC2\xB5m\r\n") << QStringList{"\u00C5"}
                                << QByteArray("\xC3\x85\r\n");
}

void TestTextFile::writesAnEncodingThatReadsBack() {
    QFETCH(QByteArray, old);
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, written);
    if (!old.isEmpty())
        WriteBytes(File("f"), old);
    std::vector<std::string> text;
    for (const QString& line : lines)
        text.push_back(line.toStdString());
    WriteTextLines(Path(File("f")), text);
    QCOMPARE(ReadBytes(File("f")), written);
    QCOMPARE(ToQt(ReadTextLines(Path(File("f")))), lines);
}

void TestTextFile::writesCrLfAfterEveryLine() {
    WriteTextLines(Path(File("new")), {"a", "", "b"});
    QCOMPARE(ReadBytes(File("new")), QByteArray("a\r\n\r\nb\r\n"));
    WriteTextLines(Path(File("new")), {});
    QCOMPARE(ReadBytes(File("new")), QByteArray());
}

void TestTextFile::readsAVeryLongLine() {
    const std::string line(10 * 1024 * 1024, 'x');
    WriteTextLines(Path(File("long")), {line, "end"});
    const std::vector<std::string> lines = ReadTextLines(Path(File("long")));
    QCOMPARE(lines.size(), size_t(2));
    QVERIFY(lines[0] == line);
    QCOMPARE(lines[1], std::string("end"));
}

void TestTextFile::missingFileFailsToRead() {
    QVERIFY_THROWS_EXCEPTION(EFileError, ReadTextLines(Path(File("absent"))));
    QVERIFY_THROWS_EXCEPTION(EFileError, ReadTextLines(Path(dir_->path()))); // a folder
}

void TestTextFile::writeIntoMissingFolderFails() {
    QVERIFY_THROWS_EXCEPTION(EFileError, WriteTextLines(Path(File("absent/f")), {"a"}));
    QVERIFY(!QDir(File("absent")).exists());
}

void TestTextFile::failedReplaceKeepsTargetAndLeavesNoTemporary() {
    // A folder in the target's place is refused before anything is written beside it.
    QVERIFY(QDir(dir_->path()).mkdir("target"));
    WriteBytes(File("target/inside"), "kept");
    QVERIFY_THROWS_EXCEPTION(EFileError, WriteTextLines(Path(File("target")), {"a"}));
    QCOMPARE(ReadBytes(File("target/inside")), QByteArray("kept"));
    QCOMPARE(QDir(dir_->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"target"});
}

void TestTextFile::lineWithLineEndIsRefusedAndOldFileKept() {
    WriteBytes(File("f"), "old\r\n");
    QVERIFY_THROWS_EXCEPTION(EFileError, WriteTextLines(Path(File("f")), {"a\rb"}));
    QVERIFY_THROWS_EXCEPTION(EFileError, WriteTextLines(Path(File("f")), {"a\x1A"}));
    QCOMPARE(ReadBytes(File("f")), QByteArray("old\r\n"));
}

void TestTextFile::writeKeepsPermissions() {
    WriteBytes(File("f"), "old\r\n");
    QVERIFY(::chmod(File("f").toLocal8Bit().constData(), 0640) == 0);
    WriteTextLines(Path(File("f")), {"new"});
    struct stat info;
    QVERIFY(::stat(File("f").toLocal8Bit().constData(), &info) == 0);
    QCOMPARE(info.st_mode & 07777, 0640u);
    QCOMPARE(ReadBytes(File("f")), QByteArray("new\r\n"));
}

QTEST_APPLESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
