// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The preferences window and its item editors, offscreen, driven through their controls: what is
// shown, what is written and when, the Temperature group's protections, renames, failed loads
// and failed writes, the keyboard, help contexts and accessible names.

#include "core/fileio.h"
#include "testsupport.h"
#include "ui/converter/convertersession.h"
#include "ui/converter/mainwindow.h"
#include "ui/database/confirmdeletedialog.h"
#include "ui/database/groupnamedialog.h"
#include "ui/database/preferencesdialog.h"
#include "ui/database/uniteditdialog.h"
#include "ui/shared/balloon.h"
#include "widgets/groupbutton.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>

using namespace quorvel;
using quorvel::test::ReadBytes;
using quorvel::test::WriteBytes;

namespace {

QByteArray Lines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

// Replaces the text of a field as a user does: typed, or pasted when it begins with "^".
void Type(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    if (text.startsWith('^')) {
        QGuiApplication::clipboard()->setText(text.mid(1));
        QTest::keySequence(field, QKeySequence::Paste);
    } else {
        QTest::keyClicks(field, text);
    }
}

// Keys go to the window once it is active.
bool IsActive(QWidget* window) {
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

// Every call of one kind to one of our temporaries fails, while this lives.
class FailingCalls {
public:
    FailingCalls(fileio::Call call, int error) {
        fileio::SetFaultHook([=](fileio::Call made, std::string_view name) {
            return made == call && fileio::IsTemporaryName(name) ? error : 0;
        });
    }
    ~FailingCalls() { fileio::SetFaultHook(nullptr); }
};

const QStringList Standard = {"Length", "Temperature", "Mass"};

// A table of structs: each test row carries its index in the table, named by the struct's row.
template <typename Row, size_t N> void AddRowIndexes(const Row (&rows)[N]) {
    QTest::addColumn<int>("index");
    for (size_t k = 0; k < N; ++k)
        QTest::addRow("%s", rows[k].row) << static_cast<int>(k);
}

} // namespace

class TestPreferences : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadsAndWritesBackTheShownGroup_data();
    void loadsAndWritesBackTheShownGroup();
    void withoutGroups_data();
    void withoutGroups();
    void unitButtonsFollowTheGroup_data();
    void unitButtonsFollowTheGroup();
    void unitEditor_data();
    void unitEditor();
    void confirmDelete_data();
    void confirmDelete();
    void renamesGroup_data();
    void renamesGroup();
    void renameAfterMovesReachesTheShownGroup();
    void saveWritesAndReloadsMainWindow();
    void aGroupPastTheButtonsMovesOntoThem();
    void failedWriteKeepsEdits_data();
    void failedWriteKeepsEdits();
    void anotherCopysChangeIsNotUndone_data();
    void anotherCopysChangeIsNotUndone();
    void namesAndHelpTopics();

private:
    QString File(const QString& name) const { return dir_->filePath("Files/" + name); }
    QMap<QString, QByteArray> Files() const {
        QMap<QString, QByteArray> files;
        for (const QString& name : QDir(File("")).entryList(QDir::Files | QDir::Hidden))
            files[name] = ReadBytes(File(name));
        return files;
    }
    void WriteGroup(const QString& name, const QStringList& units, const QStringList& factors) {
        WriteBytes(File(name + ".uns"), Lines(units));
        WriteBytes(File(name + ".unf"), Lines(factors));
    }
    void WriteStandardGroups(const QStringList& list = Standard) {
        WriteBytes(File("Groups.ung"), Lines(list));
        WriteGroup("Length", {"metre", "inch", "foot"}, {"1", "0.0254", "0.3048"});
        WriteGroup("Temperature", {"Celsius' degree", "Kelvin's degree"}, {"1", "1"});
        WriteGroup("Mass", {"kilogram", "pound"}, {"1", "0.45359237"});
    }
    PreferencesDialog& Open();
    // The standard groups, Length moved below Temperature and its first two units swapped.
    PreferencesDialog& OpenWithEdits() {
        WriteStandardGroups();
        PreferencesDialog& pref = Open();
        Find<QListWidget>("lbGroup")->setCurrentRow(0);
        Click("bbDown1");
        ShowUnitsPage();
        Click("bbDown2");
        return pref;
    }
    template <typename T = QWidget> T* Find(const char* name, QWidget* window = nullptr) {
        T* child = (window ? window : preferences_.get())->findChild<T*>(name);
        if (!child)
            qFatal("no control %s", name);
        return child;
    }
    void Click(const char* name, QWidget* window = nullptr) {
        QTest::mouseClick(Find<QPushButton>(name, window), Qt::LeftButton);
    }
    // The rows of a list, chooser or table, the columns of a row joined by "=".
    QStringList Texts(const char* name) {
        auto* chooser = preferences_->findChild<QComboBox*>(name);
        const QAbstractItemModel* model =
            chooser ? chooser->model() : Find<QAbstractItemView>(name)->model();
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList columns;
            for (int column = 0; column < model->columnCount(); ++column)
                columns << model->index(row, column).data().toString();
            rows << columns.join('=');
        }
        return rows;
    }
    void Choose(const QString& group) {
        auto* chooser = Find<QComboBox>("cbGroup");
        chooser->setCurrentIndex(chooser->findText(group));
        emit chooser->activated(chooser->currentIndex());
    }
    void ShowUnitsPage() { Find<QTabWidget>("pgPreferences")->setCurrentIndex(1); }
    QTableWidget* Table() { return Find<QTableWidget>("sgUnits"); }

    std::optional<QTemporaryDir> dir_;
    std::unique_ptr<ErrorBalloon> hint_;
    std::unique_ptr<ConverterSession> converter_;
    std::unique_ptr<MainWindow> form_;
    std::unique_ptr<GroupNameDialog> groupNameDialog_;
    std::unique_ptr<UnitEditDialog> unitEditDialog_;
    std::unique_ptr<PreferencesDialog> preferences_;
    QList<int> helpAsked_;
};

void TestPreferences::init() {
    dir_.emplace();
    QVERIFY(QDir(dir_->path()).mkdir("Files"));
    hint_ = std::make_unique<ErrorBalloon>();
    helpAsked_.clear();
}

void TestPreferences::cleanup() {
    preferences_.reset();
    unitEditDialog_.reset();
    groupNameDialog_.reset();
    form_.reset();
    hint_.reset();
    QFile::setPermissions(File(""), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

PreferencesDialog& TestPreferences::Open() {
    const UnitsDatabase database(File("").toStdString());
    const HelpOpener help = [this](int context) { helpAsked_.append(context); };
    converter_ = std::make_unique<ConverterSession>(database);
    form_ = std::make_unique<MainWindow>(*converter_, nullptr, *hint_);
    groupNameDialog_ = std::make_unique<GroupNameDialog>(database, *hint_, help);
    unitEditDialog_ = std::make_unique<UnitEditDialog>(*hint_, help);
    MainWindow* form = form_.get();
    preferences_ = std::make_unique<PreferencesDialog>(
        database, *hint_, *groupNameDialog_, *unitEditDialog_,
        PreferencesLinks{[form] { form->ReadGroupList(); }, [form] { form->LoadFirstGroup(); },
                         [form](const QString& oldName, const QString& newName) {
                             form->GroupRenamed(oldName, newName);
                         },
                         help},
        form);
    form_->show();
    hint_->hide(); // what the main window says of its first group is not looked at here
    preferences_->Execute();
    if (!IsActive(preferences_.get()))
        qWarning("the preferences window did not become active");
    return *preferences_;
}

struct LoadRow {
    const char* row;
    const char *names, *factors; // nullptr: no such file
    QStringList shown;           // after Down on row 1
    const char *namesAfter, *factorsAfter;
};
const LoadRow LoadRows[] = {
    {"one line", "m\r\n", "1\r\n", {"m=1"}, "m\r\n", "1\r\n"},
    {"two lines, moved", "a\r\nb\r\n", "1\r\n2\r\n", {"b=2", "a=1"}, "b\r\na\r\n", "2\r\n1\r\n"},
    {"no lines: one empty row, one empty line", "", "", {"="}, "\r\n", "\r\n"},
    {"factors end early", "a\r\nb\r\n", "1\r\n", {"b=", "a=1"}, "b\r\na\r\n", "\r\n1\r\n"},
    {"factors missing: never written", "a\r\nb\r\n", nullptr, {"="}, "a\r\nb\r\n", nullptr},
    {"names missing: never written", nullptr, "1\r\n", {"="}, nullptr, "1\r\n"},
};

void TestPreferences::loadsAndWritesBackTheShownGroup_data() {
    AddRowIndexes(LoadRows);
}

// Showing writes nothing; choosing another group writes the one shown (also when the window is
// then closed), unless it could not be read: that is said once, when the table can be seen.
void TestPreferences::loadsAndWritesBackTheShownGroup() {
    QFETCH(int, index);
    const LoadRow& row = LoadRows[index];
    WriteBytes(File("Groups.ung"), "G\r\nMass\r\n");
    WriteGroup("Mass", {"kilogram"}, {"1"});
    for (const auto& [name, bytes] : {std::pair{"G.uns", row.names}, {"G.unf", row.factors}})
        if (bytes)
            WriteBytes(File(name), bytes);
    PreferencesDialog& pref = Open();
    QTest::qWait(10);
    QVERIFY(!hint_->isVisible());
    ShowUnitsPage();
    const bool readable = row.names && row.factors;
    QTRY_COMPARE(hint_->isVisible(), !readable);
    if (!readable)
        QVERIFY(hint_->windowTitle().startsWith(
            "The group 'G' could not be read and is left as it is on disk. Cannot open '"));
    Click("bbDown2");
    QCOMPARE(Texts("sgUnits"), row.shown);
    Choose("Mass");
    QCOMPARE(pref.ShownGroup(), 1);
    QCOMPARE(Texts("sgUnits"), QStringList{"kilogram=1"});
    QTest::keyClick(&pref, Qt::Key_Escape);
    QVERIFY(!pref.isVisible());
    QCOMPARE(ReadBytes(File("G.uns")), row.namesAfter ? row.namesAfter : "<missing>");
    QCOMPARE(ReadBytes(File("G.unf")), row.factorsAfter ? row.factorsAfter : "<missing>");
}

void TestPreferences::withoutGroups_data() {
    QTest::addColumn<QByteArray>("list");
    QTest::addRow("no group list") << QByteArray("<missing>");
    QTest::addRow("empty group list") << QByteArray();
}

// Nothing to act on: the buttons do nothing, and Save makes no group list where none was.
void TestPreferences::withoutGroups() {
    QFETCH(QByteArray, list);
    if (list != "<missing>")
        WriteBytes(File("Groups.ung"), list);
    PreferencesDialog& pref = Open();
    QTRY_COMPARE(hint_->isVisible(), list == "<missing>");
    QVERIFY(!hint_->isVisible() || hint_->windowTitle().startsWith("The group list could not"));
    for (const char* name : {"bbEdit1", "bbUp1", "bbDown1"})
        Click(name);
    QVERIFY(!groupNameDialog_->isVisible());
    QCOMPARE(Texts("lbGroup"), QStringList());
    QCOMPARE(pref.ShownGroup(), -1);
    QCOMPARE(Texts("sgUnits"), QStringList{"="});
    QVERIFY(!Find("bbAdd2")->isEnabled() && !Find("bbUp2")->isEnabled());
    Click("bbOk");
    QVERIFY(!pref.isVisible());
    QCOMPARE(ReadBytes(File("Groups.ung")), list);
}

void TestPreferences::unitButtonsFollowTheGroup_data() {
    QTest::addColumn<QString>("group");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<bool>("movable");
    QTest::addRow("ordinary group") << "Length" << true << true;
    QTest::addRow("Temperature: moves only") << "Temperature" << false << true;
    QTest::addRow("temperature in other case") << "temperature" << true << true;
    QTest::addRow("unreadable group") << "Ghost" << false << false;
}

// Neither a button, a double click nor a key edits a protected group's units.
void TestPreferences::unitButtonsFollowTheGroup() {
    QFETCH(QString, group);
    QFETCH(bool, editable);
    QFETCH(bool, movable);
    WriteStandardGroups({"Length", "Temperature", "temperature", "Ghost"});
    WriteGroup("temperature", {"a", "b"}, {"1", "2"});
    Open();
    ShowUnitsPage();
    Choose(group);
    for (const char* name : {"bbEdit2", "bbAdd2", "bbDel2"})
        QVERIFY2(Find(name)->isEnabled() == editable, name);
    for (const char* name : {"bbUp2", "bbDown2"})
        QVERIFY2(Find(name)->isEnabled() == movable, name);
    const QPoint cell = Table()->visualRect(Table()->model()->index(0, 0)).center();
    QTest::mouseClick(Table()->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(Table()->viewport(), Qt::LeftButton, {}, cell);
    QCOMPARE(unitEditDialog_->isVisible(), editable);
    unitEditDialog_->hide();
    QVERIFY(IsActive(preferences_.get()));
    Table()->setFocus();
    QTest::keyClick(Table(), Qt::Key_Return); // as a double-click, never Save
    QCOMPARE(unitEditDialog_->isVisible(), editable);
    QVERIFY(preferences_->isVisible());
    unitEditDialog_->hide();
    QTest::keyClick(Table(), Qt::Key_Insert);
    QCOMPARE(unitEditDialog_->isVisible(), editable);
}

struct EditorRow {
    const char* row;
    bool add;
    int current;
    const char* factors; // of metre, inch and foot
    const char* opened;  // the fields, then the base unit shown
    const char* typed;
    Qt::Key key; // Key_unknown: a click on Close instead
    const char* rows;
    const char* refusal = ""; // the message that keeps the editor open; Esc twice then
};
const EditorRow EditorRows[] = {
    {"edit replaces its row", false, 1, "1|0.0254|0.3048", "inch=0.0254|metre", "zoll=2,54E-2",
     Qt::Key_Return, "metre=1|zoll=2,54E-2|foot=0.3048"},
    {"add inserts above the current row", true, 1, "1|2|3", "=|metre", "yard=9", Qt::Key_Return,
     "metre=1|yard=9|inch=2|foot=3"},
    {"anything is stored as typed", true, 0, "1|2|3", "=|metre", "=x", Qt::Key_Enter,
     "=x|metre=1|inch=2|foot=3"},
    {"Esc changes nothing", false, 2, "1|2|3", "foot=3|metre", "x=9", Qt::Key_Escape,
     "metre=1|inch=2|foot=3"},
    {"Close changes nothing", true, 1, "1|2|3", "=|metre", "x=9", Qt::Key_unknown,
     "metre=1|inch=2|foot=3"},
    {"base unit: the first factor 1", false, 0, "2|1|1", "metre=2|inch", "metre=2", Qt::Key_Return,
     "metre=2|inch=1|foot=1"},
    {"1.0 and \" 1\" mark no base unit", false, 0, "1.0| 1|3", "metre=1.0|", "metre=1.0",
     Qt::Key_Return, "metre=1.0|inch= 1|foot=3"},
    {"a line end pasted at the end goes", false, 1, "1|2|3", "inch=2|metre", "^inch\n=^0.0254\r\n",
     Qt::Key_Return, "metre=1|inch=0.0254|foot=3"},
    {"a line break inside is refused", false, 1, "1|2|3", "inch=2|metre", "inch=^1\n2",
     Qt::Key_Return, "metre=1|inch=2|foot=3", "A factor cannot hold a line break"},
    {"a carriage return is refused", true, 1, "1|2|3", "=|metre", "^a\rb=5", Qt::Key_Return,
     "metre=1|inch=2|foot=3", "A unit's name cannot hold a line break"},
    {"an end-of-file character is refused", true, 1, "1|2|3", "=|metre",
     "^a\x1A"
     "b=5",
     Qt::Key_Return, "metre=1|inch=2|foot=3",
     "A unit's name cannot hold the end-of-file character (0x1A)"},
};

void TestPreferences::unitEditor_data() {
    AddRowIndexes(EditorRows);
}

// Enter stores the fields in the current row, or in a new row above it; Esc and Close store
// nothing.
void TestPreferences::unitEditor() {
    QFETCH(int, index);
    const EditorRow& row = EditorRows[index];
    WriteBytes(File("Groups.ung"), "Length\r\n");
    WriteGroup("Length", {"metre", "inch", "foot"}, QString(row.factors).split('|'));
    Open();
    ShowUnitsPage();
    Table()->setCurrentCell(row.current, 0);
    Click(row.add ? "bbAdd2" : "bbEdit2");
    QVERIFY(IsActive(unitEditDialog_.get()));
    auto* edUnit = Find<QLineEdit>("edUnit", unitEditDialog_.get());
    auto* edFactor = Find<QLineEdit>("edFactor", unitEditDialog_.get());
    const QString baseUnit = Find<QLabel>("stBaseUnit", unitEditDialog_.get())->text();
    QCOMPARE(edUnit->text() + "=" + edFactor->text() + "|" + baseUnit, QString(row.opened));
    const QStringList typed = QString(row.typed).split('=');
    Type(edUnit, typed[0]);
    Type(edFactor, typed[1]);
    if (row.key == Qt::Key_unknown)
        Click("bbClose", unitEditDialog_.get());
    else
        QTest::keyClick(edFactor, row.key);
    if (*row.refusal) {
        QVERIFY(unitEditDialog_->isVisible() && hint_->isVisible());
        QCOMPARE(hint_->windowTitle(), QString(row.refusal));
        QTest::keyClick(unitEditDialog_->focusWidget(), Qt::Key_Escape); // closes the balloon only
        QVERIFY(!hint_->isVisible() && unitEditDialog_->isVisible());
        QTest::keyClick(unitEditDialog_->focusWidget(), Qt::Key_Escape);
    }
    QVERIFY(!unitEditDialog_->isVisible());
    QCOMPARE(Texts("sgUnits"), QString(row.rows).split('|'));
    QCOMPARE(Table()->currentRow(), row.current);
}

void TestPreferences::confirmDelete_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("answer"); // a key, with Alt for the buttons' letters
    QTest::addColumn<QString>("left");
    QTest::addColumn<int>("current");
    QTest::addRow("Enter: yes") << 3 << 1 << int(Qt::Key_Return) << "u1 u3" << 1;
    QTest::addRow("yes, last row") << 3 << 2 << int(Qt::Key_Y) << "u1 u2" << 1;
    QTest::addRow("yes, row 1 stays") << 3 << 0 << int(Qt::Key_Return) << "u1 u2 u3" << 0;
    QTest::addRow("yes, the only unit stays") << 1 << 0 << int(Qt::Key_Y) << "u1" << 0;
    QTest::addRow("no") << 3 << 1 << int(Qt::Key_N) << "u1 u2 u3" << 1;
    QTest::addRow("Esc: no") << 3 << 2 << int(Qt::Key_Escape) << "u1 u2 u3" << 2;
}

void TestPreferences::confirmDelete() {
    QFETCH(int, units);
    QFETCH(int, row);
    QFETCH(int, answer);
    QFETCH(QString, left);
    QFETCH(int, current);
    QStringList names, factors;
    for (int k = 1; k <= units; ++k) {
        names << "u" + QString::number(k);
        factors << QString::number(k);
    }
    WriteBytes(File("Groups.ung"), "G\r\n");
    WriteGroup("G", names, factors);
    Open();
    ShowUnitsPage();
    Table()->setCurrentCell(row, 0);
    QTest::keyClick(Table(), Qt::Key_Delete);
    QPointer<ConfirmDeleteDialog> confirm = preferences_->findChild<ConfirmDeleteDialog*>();
    QVERIFY(confirm && IsActive(confirm));
    const auto key = static_cast<Qt::Key>(answer);
    QTest::keyClick(confirm, key,
                    key == Qt::Key_Y || key == Qt::Key_N ? Qt::AltModifier : Qt::NoModifier);
    QTRY_VERIFY(!confirm); // made for one use
    QStringList kept;
    for (const QString& unit : Texts("sgUnits"))
        kept << unit.section('=', 0, 0);
    QCOMPARE(kept, left.split(' '));
    QCOMPARE(Table()->currentRow(), current);
}

struct RenameRow {
    const char *row, *group, *name;
    const char* reason;          // what the refusal says; empty: renamed
    Qt::Key opener = Qt::Key_F2; // on the group list
};
const RenameRow RenameRows[] = {
    {"plain, opened by Enter", "Length", "Distance", "", Qt::Key_Return},
    {"unchanged", "Length", "Length", ""},
    {"out of the folder", "Length", "../x", "A group name cannot begin or end with a blank"},
    {"another group's name", "Length", "Mass", "A group named 'Mass' has files already"},
    {"empty", "Length", "", "A group name cannot be empty"},
    {"colon", "Length", "a:b", "A group name cannot hold the character :"},
    {"listed name", "Length", "Ghost", "'Ghost' is in the group list already"},
    {"group without files", "Ghost", "Phantom", "Cannot rename '"},
    {"Temperature opens nothing", "Temperature", "", ""},
    {"Temperature: Enter opens nothing", "Temperature", "", "", Qt::Key_Return},
};

void TestPreferences::renamesGroup_data() {
    AddRowIndexes(RenameRows);
}

// A rename changes the group's files and its line in the group list at once; a refused one
// changes nothing, keeps the typed name and says why.
void TestPreferences::renamesGroup() {
    QFETCH(int, index);
    const QString group = RenameRows[index].group;
    const QString name = RenameRows[index].name;
    const QString reason = RenameRows[index].reason;
    QStringList entries = Standard + QStringList{"Ghost"};
    WriteStandardGroups(entries);
    PreferencesDialog& pref = Open();
    const QStringList files = QDir(File("")).entryList(QDir::Files | QDir::Hidden);
    auto* list = Find<QListWidget>("lbGroup");
    list->setCurrentRow(entries.indexOf(group));
    QTest::keyClick(list, RenameRows[index].opener);
    if (group == "Temperature") {
        QVERIFY(!groupNameDialog_->isVisible() && hint_->isVisible());
        QCOMPARE(hint_->windowTitle(), QString("You must not edit 'Temperature' group!"));
        QTest::keyClick(pref.focusWidget(), Qt::Key_Escape); // closes the balloon only
        QVERIFY(!hint_->isVisible() && pref.isVisible());
        return;
    }
    QVERIFY(IsActive(groupNameDialog_.get()));
    auto* field = Find<QLineEdit>("edGroupEdit", groupNameDialog_.get());
    QCOMPARE(field->text(), group);
    Type(field, name);
    QTest::keyClick(field, Qt::Key_Return);
    const bool renamed = reason.isEmpty();
    QCOMPARE(groupNameDialog_->isVisible(), !renamed);
    if (renamed)
        entries.replace(entries.indexOf(group), name);
    QCOMPARE(Texts("lbGroup"), entries);
    QCOMPARE(Texts("cbGroup"), entries);
    QCOMPARE(ReadBytes(File("Groups.ung")), Lines(entries));
    QCOMPARE(form_->GroupButtonAt(0)->text(), entries[0]);
    QCOMPARE(QString::fromStdString(converter_->State().Group().name),
             entries[0]); // the loaded group, under its new name
    if (renamed) {
        QCOMPARE(ReadBytes(File(name + ".uns")), Lines({"metre", "inch", "foot"}));
        return;
    }
    QCOMPARE(QDir(File("")).entryList(QDir::Files | QDir::Hidden), files);
    QVERIFY2(hint_->isVisible() && hint_->windowTitle().contains(reason),
             qPrintable(hint_->windowTitle()));
    QCOMPARE(field->text(), name);
    QTest::keyClick(field, Qt::Key_Escape); // closes the balloon only
    QVERIFY(!hint_->isVisible() && groupNameDialog_->isVisible());
    QCOMPARE(field->text(), name);
    QTest::keyClick(field, Qt::Key_Escape);
    QVERIFY(!groupNameDialog_->isVisible() && pref.isVisible());
}

// After moves, the rename reaches the same group in the chooser, the table keeps its group and
// its units go to the new file names; after Close the list and the files agree.
void TestPreferences::renameAfterMovesReachesTheShownGroup() {
    WriteStandardGroups();
    PreferencesDialog& pref = Open();
    auto* list = Find<QListWidget>("lbGroup");
    list->setCurrentRow(0);
    Click("bbDown1");
    Click("bbDown1"); // Temperature, Mass, Length
    const QPoint length = list->visualItemRect(list->item(2)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, length);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, length);
    QVERIFY(groupNameDialog_->isVisible());
    Type(Find<QLineEdit>("edGroupEdit", groupNameDialog_.get()), "Distance");
    Click("bbOk", groupNameDialog_.get());
    QCOMPARE(Texts("lbGroup"), (QStringList{"Temperature", "Mass", "Distance"}));
    QCOMPARE(Texts("cbGroup"), (QStringList{"Distance", "Temperature", "Mass"}));
    QCOMPARE(pref.ShownGroup(), 0);
    ShowUnitsPage();
    Click("bbDown2");
    Choose("Mass");
    QCOMPARE(ReadBytes(File("Distance.uns")), Lines({"inch", "metre", "foot"}));
    Click("bbClose");
    QVERIFY(!pref.isVisible());
    QCOMPARE(ReadBytes(File("Groups.ung")), Lines({"Distance", "Temperature", "Mass"}));
    QVERIFY(!QFile::exists(File("Length.uns")) && !QFile::exists(File("Length.unf")));
}

// Moves stop at the ends; Save writes the new orders, and the main window shows the group list
// anew with the group of its first button loaded.
void TestPreferences::saveWritesAndReloadsMainWindow() {
    WriteStandardGroups();
    PreferencesDialog& pref = Open();
    auto* list = Find<QListWidget>("lbGroup");
    list->setCurrentRow(2);
    Click("bbDown1");
    Click("bbUp1");
    QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier);
    Click("bbUp1"); // Mass, Length, Temperature
    QCOMPARE(list->currentRow(), 0);
    ShowUnitsPage();
    Click("bbUp2");
    QTest::keyClick(Table(), Qt::Key_Down, Qt::ControlModifier);
    Click("bbDown2");
    Click("bbDown2"); // inch, foot, metre
    QCOMPARE(Table()->currentRow(), 2);
    auto* chooser = Find<QComboBox>("cbGroup");
    chooser->setFocus();
    QTest::keyClick(chooser, Qt::Key_Return); // Enter saves, but on a row of a list
    QVERIFY(!pref.isVisible());
    QCOMPARE(ReadBytes(File("Groups.ung")), Lines({"Mass", "Length", "Temperature"}));
    QCOMPARE(ReadBytes(File("Length.uns")), Lines({"inch", "foot", "metre"}));
    QCOMPARE(ReadBytes(File("Length.unf")), Lines({"0.0254", "0.3048", "1"}));
    QCOMPARE(form_->GroupButtonAt(0)->text(), QString("Mass"));
    QCOMPARE(form_->GroupButtonAt(2)->text(), QString("Temperature"));
    QCOMPARE(QString::fromStdString(converter_->State().Group().name), QString("Mass"));
    QCOMPARE(converter_->State().Group().units,
             (std::vector<Unit>{{"kilogram", "1"}, {"pound", "0.45359237"}}));
}

// The list orders every group, so the user chooses which 23 get buttons.
void TestPreferences::aGroupPastTheButtonsMovesOntoThem() {
    QStringList groups = Standard;
    for (int k = 4; k <= 25; ++k)
        groups << "G" + QString::number(k);
    WriteStandardGroups(groups);
    PreferencesDialog& pref = Open();
    auto* list = Find<QListWidget>("lbGroup");
    QCOMPARE(list->count(), 25);
    list->setCurrentRow(24);
    Click("bbUp1");
    Click("bbUp1"); // G25 onto the 23rd button
    Click("bbOk");
    QVERIFY(!pref.isVisible());
    QCOMPARE(form_->GroupButtonAt(22)->text(), QString("G25"));
    QCOMPARE(Find<QMenu>("miMoreGroups", form_.get())->actions().at(0)->text(), QString("G23"));
}

void TestPreferences::failedWriteKeepsEdits_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("choose"); // choose another group instead of saving
    QTest::addColumn<QString>("said");
    const QString save = "Nothing was saved. Cannot write '%1Groups.ung': ";
    QTest::addRow("read-only folder") << "chmod" << false << save + "Permission denied";
    QTest::addRow("read-only file system") << "EROFS" << false << save + "Read-only file system";
    QTest::addRow("full disk") << "ENOSPC" << false << save + "No space left on device";
    QTest::addRow("full disk, another group chosen")
        << "ENOSPC" << true
        << "The units of 'Length' were not saved and are still shown. Cannot write "
           "'%1Length.uns': No space left on device";
}

// A write that fails changes no file and loses no edit: the window stays on them and says what
// could not be written. Close drops them.
void TestPreferences::failedWriteKeepsEdits() {
    QFETCH(QString, fault);
    QFETCH(bool, choose);
    QFETCH(QString, said);
    PreferencesDialog& pref = OpenWithEdits();
    const QMap<QString, QByteArray> before = Files();
    std::optional<FailingCalls> failing;
    if (fault == "chmod") {
        QVERIFY(QFile::setPermissions(File(""), QFile::ReadOwner | QFile::ExeOwner));
        if (QFile probe(File("probe")); probe.open(QIODevice::WriteOnly))
            QSKIP("this user writes into read-only folders");
    } else {
        failing.emplace(fault == "EROFS" ? fileio::Call::Open : fileio::Call::Write,
                        fault == "EROFS" ? EROFS : ENOSPC);
    }
    choose ? Choose("Mass") : Click("bbOk");
    failing.reset();
    QTRY_VERIFY(hint_->isVisible());
    QCOMPARE(hint_->windowTitle(), said.arg(File("")));
    QTest::keyClick(pref.focusWidget(), Qt::Key_Escape); // closes the balloon only
    QVERIFY(!hint_->isVisible());
    QCOMPARE(Files(), before);
    QVERIFY(pref.isVisible());
    QCOMPARE(Texts("lbGroup"), (QStringList{"Temperature", "Length", "Mass"}));
    QCOMPARE(Find<QComboBox>("cbGroup")->currentText(), QString("Length"));
    QCOMPARE(Texts("sgUnits"), (QStringList{"inch=0.0254", "metre=1", "foot=0.3048"}));
    QCOMPARE(form_->GroupButtonAt(0)->text(), QString("Length"));
    // Closed, the edits are dropped: opening the window again writes none of them.
    Click("bbClose");
    pref.Execute();
    QCOMPARE(Texts("sgUnits"), (QStringList{"metre=1", "inch=0.0254", "foot=0.3048"}));
    QCOMPARE(Files(), before);
}

struct OtherCopyRow {
    const char* row;
    const char* change; // what another copy does while the window is open
    const char* action; // what the user does then
    const char* said;   // the balloon; %1 stands for the folder
    const char* groups; // the group list shown afterwards
    const char* units;  // the units table shown afterwards
};
const OtherCopyRow OtherCopyRows[] = {
    {"list reordered, then Save", "reorder", "save",
     "Nothing was saved: '%1Groups.ung' has changed since it was read", "Mass|Length|Temperature",
     "metre=1|inch=0.0254|foot=0.3048"},
    {"shown group edited, then another chosen", "edit Length", "choose Mass",
     "Nothing was saved: '%1Length.unf' has changed since it was read", "Length|Temperature|Mass",
     "kilogram=1|pound=0.45359237"},
    {"a group renamed, then one renamed here", "rename Mass", "rename Length",
     "Nothing was saved: '%1Groups.ung' has changed since it was read", "Length|Temperature|Weight",
     "metre=1|inch=0.0254|foot=0.3048"},
    {"the database kept busy, then Save", "lock", "save",
     "Another copy of Quorvel is changing the units database", "Temperature|Length|Mass",
     "inch=0.0254|metre=1|foot=0.3048"},
};

void TestPreferences::anotherCopysChangeIsNotUndone_data() {
    AddRowIndexes(OtherCopyRows);
}

// What another copy of the program saved while the window was open is never undone: a write
// over it is refused, the window shows the files anew and says so. A database kept busy keeps
// the edits, for Save again.
void TestPreferences::anotherCopysChangeIsNotUndone() {
    QFETCH(int, index);
    const OtherCopyRow& row = OtherCopyRows[index];
    const QString change = row.change;
    const QString action = row.action;
    PreferencesDialog& pref = OpenWithEdits();
    const UnitsDatabase other(File("").toStdString());
    std::optional<fileio::Folder> lock;
    if (change == "reorder")
        other.WriteGroupList({"Mass", "Length", "Temperature"});
    else if (change == "edit Length")
        other.WriteGroupUnits("Length", {{"metre", "1"}});
    else if (change == "rename Mass")
        other.RenameGroup("Mass", "Weight");
    else
        QVERIFY(lock.emplace(File("").toStdString()).Lock());
    const QMap<QString, QByteArray> before = Files();

    if (action == "save") {
        Click("bbOk");
    } else if (action == "choose Mass") {
        Choose("Mass");
    } else {
        Find<QTabWidget>("pgPreferences")->setCurrentIndex(0);
        QTest::keyClick(Find<QListWidget>("lbGroup"), Qt::Key_F2);
        Type(Find<QLineEdit>("edGroupEdit", groupNameDialog_.get()), "Distance");
        Click("bbOk", groupNameDialog_.get());
        QVERIFY(!groupNameDialog_->isVisible());
    }
    QTRY_VERIFY(hint_->isVisible());
    QVERIFY2(hint_->windowTitle().startsWith(QString(row.said).arg(File(""))),
             qPrintable(hint_->windowTitle()));
    QVERIFY(pref.isVisible());
    QCOMPARE(Files(), before);
    QCOMPARE(Texts("lbGroup").join('|'), QString(row.groups));
    QCOMPARE(Texts("sgUnits").join('|'), QString(row.units));
    if (!lock) {
        QCOMPARE(form_->GroupButtonAt(0)->text(), Texts("lbGroup")[0]); // the main window follows
    } else {
        lock.reset();
        Click("bbOk");
        QVERIFY(!pref.isVisible());
        QCOMPARE(ReadBytes(File("Length.uns")), Lines({"inch", "metre", "foot"}));
    }
}

// Every control a user reaches has a name for screen readers; the Help buttons and the help key
// open the topic of the page or dialog shown.
void TestPreferences::namesAndHelpTopics() {
    WriteStandardGroups();
    Open();
    Click("bbHelp");
    Click("bbEdit1");
    Click("bbHelp", groupNameDialog_.get());
    Click("bbClose", groupNameDialog_.get());
    QVERIFY(!groupNameDialog_->isVisible());
    ShowUnitsPage();
    Click("bbHelp");
    Click("bbEdit2");
    Click("bbHelp", unitEditDialog_.get());
    QCOMPARE(helpAsked_, (QList<int>{3001, 3001, 3002, 3003}));
    // Each page has its own topic, whichever page is shown.
    QCOMPARE(HelpContextOf(Find("lbGroup")), 3001);
    Find<QTabWidget>("pgPreferences")->setCurrentIndex(0);
    QCOMPARE(HelpContextOf(Table()), 3002);
    QCOMPARE(HelpContextOf(Find("edGroupEdit", groupNameDialog_.get())), 3001);
    QCOMPARE(HelpContextOf(Find("edUnit", unitEditDialog_.get())), 3003);

    auto* confirm = new ConfirmDeleteDialog(preferences_.get());
    const QList<QWidget*> windows = {preferences_.get(), groupNameDialog_.get(),
                                     unitEditDialog_.get(), confirm};
    for (QWidget* window : windows) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const QString name = control->objectName();
            const bool ours = !name.isEmpty() && !name.startsWith("qt_");
            const bool reached = control->focusPolicy() != Qt::NoFocus || name.startsWith("st");
            if (ours && reached)
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(name));
        }
    }
}

QTEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
