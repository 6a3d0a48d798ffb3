// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The units list through the program's own wiring: opening for either picker, choosing, and the
// search by the beginning of a unit's name.

#include "programfixture.h"
#include "programmain.h"
#include "ui/converter/unitlistdialog.h"
#include "widgets/groupbutton.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

using namespace quorvel;

class TestUnitListDialog : public QObject {
    Q_OBJECT

private slots:
    void init() { fixture_.Start(); }
    void cleanup() { fixture_.Stop(); }

    void listsTheLoadedGroup_data();
    void listsTheLoadedGroup();
    void choose_data();
    void choose();
    void search_data();
    void search();

private:
    UnitListDialog& List() { return fixture_.ProgramUnderTest().UnitList(); }
    QListWidget* Units() { return fixture_.Find<QListWidget>(&List(), "lbUnits"); }
    void OpenFor(const char* opener, int pickerIndex) {
        const char* picker = QByteArray(opener) == "SpeedButton3" ? "cb2" : "cb1";
        fixture_.Picker(picker)->setCurrentIndex(pickerIndex);
        QTest::mouseClick(fixture_.Find<QToolButton>(&fixture_.Main(), opener), Qt::LeftButton);
        QVERIFY(List().isVisible());
    }

    test::ProgramFixture fixture_;
};

void TestUnitListDialog::listsTheLoadedGroup_data() {
    QTest::addColumn<QString>("group");     // loaded while the list is open
    QTest::addColumn<QStringList>("units"); // in its files; none: it has no files
    QTest::addRow("a readable group") << "Mass" << QStringList{"kilogram", "pound"};
    // A group whose files are missing empties the list with the pickers.
    QTest::addRow("a group whose files are missing") << "Ghost" << QStringList();
}

void TestUnitListDialog::listsTheLoadedGroup() {
    QFETCH(QString, group);
    QFETCH(QStringList, units);
    auto shown = [this] {
        QStringList entries;
        for (int row = 0; row < Units()->count(); ++row)
            entries << Units()->item(row)->text();
        return entries;
    };
    QCOMPARE(shown(), QStringList({"metre", "inch", "foot", "Inches", "yard", "mile"}));
    OpenFor("SpeedButton2", 0);
    test::WriteLines(fixture_.Path("Files/Groups.ung"), {"Length", group});
    if (!units.isEmpty()) {
        test::WriteLines(fixture_.Path("Files/" + group + ".uns"), units);
        test::WriteLines(fixture_.Path("Files/" + group + ".unf"), QStringList(units.size(), "1"));
    }
    fixture_.Main().ReadGroupList();
    fixture_.Find<GroupButton>(&fixture_.Main(), "ab2")->click();
    QCOMPARE(shown(), units);
}

void TestUnitListDialog::choose_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<int>("pickerIndex"); // the opener's picker before opening
    QTest::addColumn<int>("chosen");      // -1: nothing selected in the list
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("cb1");
    QTest::addColumn<int>("cb2");
    QTest::addRow("upper picker, Choose") << "SpeedButton2" << 2 << 4 << "Choose" << 4 << 0;
    QTest::addRow("lower picker, Choose") << "SpeedButton3" << 1 << 3 << "Choose" << 0 << 3;
    QTest::addRow("double-click") << "SpeedButton3" << 0 << 5 << "double-click" << 0 << 5;
    QTest::addRow("Enter") << "SpeedButton2" << 0 << 1 << "Enter" << 1 << 0;
    QTest::addRow("nothing selected") << "SpeedButton2" << 3 << -1 << "Choose" << -1 << 0;
    QTest::addRow("Close hands nothing back") << "SpeedButton2" << 2 << 4 << "Close" << 2 << 0;
}

void TestUnitListDialog::choose() {
    QFETCH(QString, opener);
    QFETCH(int, pickerIndex);
    QFETCH(int, chosen);
    QFETCH(QString, how);
    QFETCH(int, cb1);
    QFETCH(int, cb2);
    OpenFor(qPrintable(opener), pickerIndex);
    QCOMPARE(Units()->currentRow(), pickerIndex);
    QCOMPARE(fixture_.ProgramUnderTest().Session().State().ListSide(),
             opener == "SpeedButton3" ? PickerSide::Lower : PickerSide::Upper);
    Units()->setCurrentRow(chosen);
    if (chosen < 0)
        Units()->clearSelection();
    if (how == "double-click") {
        const QRect row = Units()->visualItemRect(Units()->item(chosen));
        QTest::mouseClick(Units()->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(Units()->viewport(), Qt::LeftButton, {}, row.center());
    } else if (how == "Enter") {
        QTest::keyClick(Units(), Qt::Key_Return);
    } else {
        QTest::mouseClick(fixture_.Find<QPushButton>(&List(), how == "Choose" ? "bbOk" : "bbClose"),
                          Qt::LeftButton);
    }
    QVERIFY(!List().isVisible());
    QCOMPARE(fixture_.Picker("cb1")->currentIndex(), cb1);
    QCOMPARE(fixture_.Picker("cb2")->currentIndex(), cb2);
}

void TestUnitListDialog::search_data() {
    QTest::addColumn<int>("start"); // the selected entry; -1 none
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("found"); // the selected entry afterwards
    QTest::addColumn<QString>("notFound");
    // Units: metre, inch, foot, Inches, yard, mile.
    QTest::addRow("from the top") << -1 << QStringList{"y"} << 4 << "";
    QTest::addRow("downwards from the selection") << 1 << QStringList{"m"} << 5 << "";
    QTest::addRow("the selected entry itself") << 1 << QStringList{"inch"} << 1 << "";
    QTest::addRow("again stays on the same match") << 1 << QStringList{"inch", "inch"} << 1 << "";
    QTest::addRow("case-sensitive") << 0 << QStringList{"Inch"} << 3 << "";
    QTest::addRow("whole name") << 0 << QStringList{"Inches"} << 3 << "";
    QTest::addRow("longer than every name")
        << 0 << QStringList{"Inchesss"} << 0 << "Search string Inchesss not found!";
    QTest::addRow("only above the selection")
        << 3 << QStringList{"foot"} << 3 << "Search string foot not found!";
    QTest::addRow("inner text does not match")
        << 0 << QStringList{"etre"} << 0 << "Search string etre not found!";
}

void TestUnitListDialog::search() {
    QFETCH(int, start);
    QFETCH(QStringList, texts);
    QFETCH(int, found);
    QFETCH(QString, notFound);
    OpenFor("SpeedButton2", 0);
    Units()->setCurrentRow(start);
    if (start < 0)
        Units()->clearSelection();
    auto* dialog = fixture_.Find<QDialog>(&List(), "fdFind");
    for (const QString& text : texts) {
        QTest::mouseClick(fixture_.Find<QPushButton>(&List(), "bbFind"), Qt::LeftButton);
        QVERIFY(dialog->isVisible());
        fixture_.Find<QLineEdit>(dialog, "edFind")->setText(text);
        QTest::mouseClick(fixture_.Find<QPushButton>(dialog, "bbFindNext"), Qt::LeftButton);
    }
    QCOMPARE(Units()->selectedItems().size(), 1);
    QCOMPARE(Units()->currentRow(), found);
    auto& hint = fixture_.ProgramUnderTest().MessageBalloon();
    QCOMPARE(dialog->isVisible(), !notFound.isEmpty());
    QCOMPARE(hint.isVisible(), !notFound.isEmpty());
    if (!notFound.isEmpty())
        QCOMPARE(hint.windowTitle(), notFound);
    // The dialog keeps its text for the next search.
    QTest::mouseClick(fixture_.Find<QPushButton>(&List(), "bbFind"), Qt::LeftButton);
    QCOMPARE(fixture_.Find<QLineEdit>(dialog, "edFind")->text(), texts.last());
}

QUORVEL_PROGRAM_TEST_MAIN(TestUnitListDialog)
#include "tst_unitlistdialog.moc"
