// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window, offscreen: start-up with various group lists, loading groups, converting in
// both directions, temperature refusals, copy and paste, the keyboard and the locale.

#include "calc/numbertext.h"
#include "testsupport.h"
#include "ui/app/application.h"
#include "ui/converter/convertersession.h"
#include "ui/converter/groupcolumn.h"
#include "ui/converter/mainwindow.h"
#include "ui/shared/balloon.h"
#include "widgets/elidedlabel.h"
#include "widgets/groupbutton.h"
#include "widgets/numberdisplay.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextDocumentLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <memory>
#include <optional>

using namespace quorvel;
using quorvel::test::SeparatorScope;

Q_DECLARE_METATYPE(long double)

namespace {

void WriteLines(const QString& path, const QStringList& lines) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (const QString& line : lines)
        file.write(line.toUtf8() + "\r\n");
}

QStringList Numbered(const QString& stem, int count) {
    QStringList names;
    for (int k = 1; k <= count; ++k)
        names << stem + QString::number(k);
    return names;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsWithoutGroupList();
    void fillsSlotsFromGroupList_data();
    void fillsSlotsFromGroupList();
    void loadsFirstGroupWhenShown();
    void loadsGroupsByButtonAndMenu();
    void missingGroupFilesLeavePickersEmpty();
    void convertsBothWays_data();
    void convertsBothWays();
    void refusesAConversion_data();
    void refusesAConversion();
    void copyAfterStartGivesZero();
    void paste_data();
    void paste();
    void keyboardConvertsCopiesAndPastes();
    void tabReachesEveryControl();
    void groupNameWithAmpersand();
    void localeChangeRelaysTheValue();
    void windowsNotBuiltYetAreDisabled();
    void opensTheInputDialogOnce_data();
    void opensTheInputDialogOnce();
    void namesShowOnOneLineAndCutToFit_data();
    void namesShowOnOneLineAndCutToFit();
    void largeFontClipsNothing();
    void darkPaletteKeepsTheValueReadable();
    void unitListScrollsAfterTwentyRows();
    void screenReadersHearLabelsValuesAndAlerts();
    void typedConversionIsTheArrowsConversion_data();
    void typedConversionIsTheArrowsConversion();
    void searchChoosesAUnitOfAnyGroup_data();
    void searchChoosesAUnitOfAnyGroup();
    void searchFieldKeys();

private:
    MainWindow& Open();
    QString Dir(const QString& name = {}) const { return dir_->filePath("Files/" + name); }
    void WriteGroup(const QString& name, const QStringList& units, const QStringList& factors) {
        WriteLines(Dir(name + ".uns"), units);
        WriteLines(Dir(name + ".unf"), factors);
    }
    void WriteStandardGroups();
    template <typename T> T* Find(const char* name) {
        T* child = form_->findChild<T*>(name);
        if (!child)
            qFatal("no control %s", name);
        return child;
    }
    QString Display() { return Find<NumberDisplay>("MainInd")->DisplayedText(); }
    QString Line() { return Find<ElidedLabel>("stLine")->FullText(); }
    long double Value() const { return converter_->State().Value(); }
    QString Group() const { return QString::fromStdString(converter_->State().Group().name); }
    void Select(QComboBox* box, const QString& unit) { box->setCurrentIndex(box->findText(unit)); }
    void Paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        form_->Paste();
    }
    // Types into the search field, as after Ctrl+F.
    QLineEdit* Search(const QString& text) {
        auto* field = Find<QLineEdit>("edSearch");
        QTest::keyClick(form_.get(), Qt::Key_F, Qt::ControlModifier);
        QTest::keyClicks(field, text);
        return field;
    }

    std::optional<QTemporaryDir> dir_;
    std::unique_ptr<ErrorBalloon> hint_;
    std::unique_ptr<QTextDocument> report_;
    std::unique_ptr<ConverterSession> converter_;
    std::unique_ptr<MainWindow> form_;
    std::optional<SeparatorScope> separators_;
};

void TestMainWindow::init() {
    dir_.emplace();
    QVERIFY(QDir(dir_->path()).mkdir("Files"));
    hint_ = std::make_unique<ErrorBalloon>();
    report_ = std::make_unique<QTextDocument>();
    report_->setDocumentLayout(new QPlainTextDocumentLayout(report_.get()));
    separators_.emplace(".", ",");
}

void TestMainWindow::cleanup() {
    form_.reset();
    hint_.reset();
    separators_.reset();
    QGuiApplication::clipboard()->clear();
}

MainWindow& TestMainWindow::Open() {
    converter_ = std::make_unique<ConverterSession>(UnitsDatabase(Dir().toStdString()));
    form_ = std::make_unique<MainWindow>(*converter_, report_.get(), *hint_);
    form_->show();
    if (!QTest::qWaitForWindowExposed(form_.get()))
        qWarning("window not exposed");
    return *form_;
}

void TestMainWindow::WriteStandardGroups() {
    WriteLines(Dir("Groups.ung"), {"Length", "Temperature", "Mass"});
    WriteGroup("Length", {"metre", "inch", "foot", "nothing", "empty"},
               {"1", "0.0254", "0,3048", "0", ""});
    WriteGroup("Temperature",
               {"Celsius' degree", "Kelvin's degree", "Fahrenheit's degree", "Rankin's degree"},
               {"1", "1", "0.5555555555555555555556", "0.5555555555555555555556"});
    WriteGroup("Mass", {"kilogram", "pound (avoirdupois)"}, {"1", "0.45359237"});
}

void TestMainWindow::startsWithoutGroupList() {
    MainWindow& form = Open();
    for (int k = 1; k <= GroupButtonCount; ++k) {
        QCOMPARE(Find<QPushButton>(qPrintable(QString("ab%1").arg(k)))->text(), QString());
        QCOMPARE(Find<QAction>(qPrintable(QString("mi%1").arg(k)))->text(), QString::number(k));
    }
    QCOMPARE(Find<QComboBox>("cb1")->count(), 0);
    QCOMPARE(Find<QComboBox>("cb2")->count(), 0);
    QTest::mouseClick(Find<QPushButton>("bbUp"), Qt::LeftButton);
    form.ConvertUpperToLower();
    QCOMPARE(Value(), 0.0L);
    QCOMPARE(Line(), QString("No units database: %1 was not found").arg(Dir("Groups.ung")));
    QVERIFY(report_->isEmpty());
    QCOMPARE(Display(), QString("0"));
}

void TestMainWindow::fillsSlotsFromGroupList_data() {
    QTest::addColumn<int>("groups");
    QTest::addColumn<QByteArray>("record"); // of an interrupted change; empty: none
    QTest::addRow("22 groups") << 22 << QByteArray();
    QTest::addRow("23 groups") << 23 << QByteArray();
    QTest::addRow("24 groups") << 24 << QByteArray();
    QTest::addRow("40 groups") << 40 << QByteArray();
    // Set aside: the groups show, and the status line says where it went and what to do.
    QTest::addRow("23 groups beside a damaged change record") << 23 << QByteArray("garbage");
}

void TestMainWindow::fillsSlotsFromGroupList() {
    QFETCH(int, groups);
    QFETCH(QByteArray, record);
    WriteLines(Dir("Groups.ung"), Numbered("G", groups));
    if (!record.isEmpty())
        test::WriteBytes(Dir(".quorvel-pending"), record);
    Open();
    const QString setAside = Dir(".quorvel-pending.unreadable");
    QCOMPARE(QFile::exists(setAside), !record.isEmpty());
    QVERIFY2(record.isEmpty() ? Line().isEmpty()
                              : Line().contains("'" + setAside + "'") &&
                                    Line().endsWith("then delete that file."),
             qPrintable(Line()));
    for (int k = 1; k <= GroupButtonCount; ++k) {
        const QString expected = k <= groups ? "G" + QString::number(k) : QString();
        QCOMPARE(Find<QPushButton>(qPrintable(QString("ab%1").arg(k)))->text(), expected);
        QCOMPARE(Find<QAction>(qPrintable(QString("mi%1").arg(k)))->text(), expected);
    }
    QCOMPARE(Group(), QString("G1"));
    // The groups past the buttons, under "More groups" in list order; each loads as a button.
    auto* more = Find<QMenu>("miMoreGroups");
    QCOMPARE(more->menuAction()->isVisible(), groups > GroupButtonCount);
    QCOMPARE(more->actions().size(), std::max(groups - GroupButtonCount, 0));
    for (int k = GroupButtonCount + 1; k <= groups; ++k) {
        QAction* item = more->actions().at(k - GroupButtonCount - 1);
        QCOMPARE(item->text(), "G" + QString::number(k));
        item->trigger();
        QCOMPARE(Group(), "G" + QString::number(k));
        QCOMPARE(Find<QLabel>("stGroup")->text(), Group());
        QVERIFY(item->isChecked() && !Find<QPushButton>("ab1")->isChecked());
    }
}

void TestMainWindow::loadsFirstGroupWhenShown() {
    WriteStandardGroups();
    Open();
    QCOMPARE(Group(), QString("Length"));
    QCOMPARE(Find<QLabel>("stGroup")->text(), QString("Length"));
    auto* cb1 = Find<QComboBox>("cb1");
    auto* cb2 = Find<QComboBox>("cb2");
    QCOMPARE(cb1->count(), 5);
    QCOMPARE(cb2->itemText(2), QString("foot"));
    QCOMPARE(cb1->currentIndex(), 0);
    QCOMPARE(cb2->currentIndex(), 0);
    QCOMPARE(converter_->State().Group().units.size(), size_t(5));
    QCOMPARE(converter_->State().Group().units[2].factor, std::string("0,3048"));
    // "nothing" has the factor 0, "empty" none.
    QCOMPARE(hint_->windowTitle(), QString("2 of the 5 units of 'Length' have no positive "
                                           "number as factor and do not convert."));
}

void TestMainWindow::loadsGroupsByButtonAndMenu() {
    WriteStandardGroups();
    Open();
    QTest::mouseClick(Find<QPushButton>("ab3"), Qt::LeftButton);
    QCOMPARE(Group(), QString("Mass"));
    QCOMPARE(Find<QComboBox>("cb1")->itemText(1), QString("pound (avoirdupois)"));
    QVERIFY(Find<QPushButton>("ab3")->isChecked() && Find<QAction>("mi3")->isChecked());
    QVERIFY(!Find<QPushButton>("ab1")->isChecked() && !Find<QAction>("mi1")->isChecked());
    Find<QAction>("mi2")->trigger();
    QCOMPARE(Group(), QString("Temperature"));
    QCOMPARE(Find<QComboBox>("cb2")->count(), 4);
}

void TestMainWindow::missingGroupFilesLeavePickersEmpty() {
    WriteLines(Dir("Groups.ung"), {"Ghost"});
    MainWindow& form = Open();
    QCOMPARE(Group(), QString("Ghost"));
    QCOMPARE(Find<QLabel>("stGroup")->text(), QString("Ghost"));
    QCOMPARE(Find<QComboBox>("cb1")->count(), 0);
    QVERIFY(hint_->windowTitle().startsWith("The units of 'Ghost' cannot be read."));
    Paste("5");
    form.ConvertLowerToUpper();
    QCOMPARE(Value(), 5.0L);
    QCOMPARE(Line(), QString());
}

void TestMainWindow::convertsBothWays_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("between"); // what the window goes through between the conversions
    QTest::addRow("point") << "."
                           << "";
    QTest::addRow("comma") << ","
                           << "";
    QTest::addRow("hidden and shown again: group and picks stay") << "."
                                                                  << "hidden";
    QTest::addRow("maximised: each picker keeps its label") << "."
                                                            << "maximised";
}

void TestMainWindow::convertsBothWays() {
    QFETCH(QString, separator);
    QFETCH(QString, between);
    SeparatorScope scope(separator.toStdString(), " ");
    WriteStandardGroups();
    MainWindow& form = Open();
    Paste("1");
    Select(Find<QComboBox>("cb1"), "metre");
    Select(Find<QComboBox>("cb2"), "inch");

    QTest::mouseClick(Find<QPushButton>("bbUp"), Qt::LeftButton);
    const QString up = "1 inch = 0" + separator + "0254 metre";
    QCOMPARE(Line(), up);
    QCOMPARE(form.statusBar()->toolTip(), up);
    QCOMPARE(Display(), "0" + separator + "0254");
    QCOMPARE(Value(), 0.0254L);
    if (between == "hidden") {
        form.hide();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    } else if (between == "maximised") {
        form.showMaximized();
        QTRY_VERIFY(form.height() > 500);
        for (const char* picker : {"cb1", "cb2"}) {
            // A label shows its text in the middle of its height.
            const QWidget* label = Find<QLabel>(qPrintable(QString(picker) + "Label"));
            const int gap = Find<QComboBox>(picker)->y() - (label->y() + label->height() / 2);
            QVERIFY2(gap < label->fontMetrics().height() * 2,
                     qPrintable(QString("%1 pixels").arg(gap)));
        }
    }

    QTest::mouseClick(Find<QPushButton>("bbDown"), Qt::LeftButton);
    const QString down = "0" + separator + "0254 metre = 1 inch";
    QCOMPARE(Line(), down);
    QCOMPARE(Display(), QString("1"));
    QCOMPARE(report_->toPlainText(), up + "\n" + down);
}

void TestMainWindow::refusesAConversion_data() {
    QTest::addColumn<QString>("group"); // of the standard groups, or Fuel economy
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("hint");
    QTest::addRow("temperature below its bound")
        << "Temperature"
        << "Kelvin's degree"
        << "-1"
        << "The temperature in Kelvin's degrees cannot be lower than  0 !";
    QTest::addRow("0 in a reciprocal unit") << "Fuel economy"
                                            << "litre per 100 kilometres"
                                            << "0"
                                            << "The value cannot be 0 in a reciprocal unit";
}

// The down arrow refuses: the balloon says why under the value, which stays, and nothing goes to
// the status bar or the report.
void TestMainWindow::refusesAConversion() {
    QFETCH(QString, group);
    QFETCH(QString, upper);
    QFETCH(QString, value);
    QFETCH(QString, hint);
    WriteStandardGroups();
    WriteLines(Dir("Groups.ung"), {"Length", "Temperature", "Mass", "Fuel economy"});
    WriteGroup("Fuel economy", {"kilometre per litre", "litre per 100 kilometres"}, {"1", "100/x"});
    Open();
    QTest::mouseClick(Find<QPushButton>(group == "Temperature" ? "ab2" : "ab4"), Qt::LeftButton);
    QCOMPARE(Group(), group);
    Select(Find<QComboBox>("cb1"), upper); // to the group's first unit, in the lower picker
    Paste(value);
    QTest::mouseClick(Find<QPushButton>("bbDown"), Qt::LeftButton);
    QVERIFY(hint_->isVisible());
    QCOMPARE(hint_->windowTitle(), hint);
    auto* pnOut = Find<QWidget>("pnOut");
    QCOMPARE(hint_->geometry().topLeft(), pnOut->mapToGlobal(QPoint(6, pnOut->height() + 1)));
    QCOMPARE(Display(), value);
    QCOMPARE(Value(), static_cast<long double>(value.toDouble()));
    QCOMPARE(Line(), QString());
    QVERIFY(report_->isEmpty());
}

void TestMainWindow::copyAfterStartGivesZero() {
    MainWindow& form = Open();
    QGuiApplication::clipboard()->setText("something else");
    form.Copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("0"));
}

void TestMainWindow::paste_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<long double>("value");
    QTest::addColumn<QString>("display");
    QTest::addRow("grouped, comma locale") << ","
                                           << "1 234,5 kg" << 1234.5L << "1 234,5";
    QTest::addRow("grouped, point locale") << "."
                                           << "1 234,5 kg" << 12345.0L << "12 345";
    QTest::addRow("exponent") << "."
                              << "x = 2.5e3" << 2500.0L << "2 500";
    QTest::addRow("letters only") << ","
                                  << "kilogram" << 42.0L << "42";
    QTest::addRow("empty clipboard") << ","
                                     << "" << 42.0L << "42";
    QTest::addRow("two numbers") << ","
                                 << "1,5 and 2,5" << 42.0L << "42";
    QTest::addRow("Unicode minus sign") << "."
                                        << "\u221212" << -12.0L << "-12";
    QTest::addRow("en dash as minus") << "."
                                      << "\u20133.5 K" << -3.5L << "-3.5";
}

void TestMainWindow::paste() {
    QFETCH(QString, separator);
    QFETCH(QString, clipboard);
    QFETCH(long double, value);
    QFETCH(QString, display);
    SeparatorScope scope(separator.toStdString(), " ");
    MainWindow& form = Open();
    Paste("42");
    Paste(clipboard);
    QCOMPARE(Value(), value);
    QCOMPARE(Display(), display);
    form.Copy();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString::fromStdString(GeneralNumberText(value)));
}

void TestMainWindow::keyboardConvertsCopiesAndPastes() {
    WriteStandardGroups();
    MainWindow& form = Open();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    Select(Find<QComboBox>("cb1"), "foot");
    Select(Find<QComboBox>("cb2"), "inch");
    QGuiApplication::clipboard()->setText("2");
    QTest::keyClick(&form, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Value(), 2.0L);
    QTest::keyClick(&form, Qt::Key_Down, Qt::ControlModifier);
    QTRY_COMPARE(Line(), QString("2 foot = 24 inch"));
    QTest::keyClick(&form, Qt::Key_Up, Qt::ControlModifier);
    QTRY_COMPARE(Line(), QString("24 inch = 2 foot"));
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&form, Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("2"));
    QGuiApplication::clipboard()->setText("3");
    QTest::keyClick(&form, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(Value(), 3.0L);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&form, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("3"));
    // The focused arrow button converts with the space bar too.
    Find<QPushButton>("bbDown")->setFocus();
    QTest::keyClick(Find<QPushButton>("bbDown"), Qt::Key_Space);
    QCOMPARE(Line(), QString("3 foot = 36 inch"));
}

void TestMainWindow::tabReachesEveryControl() {
    WriteStandardGroups();
    MainWindow& form = Open();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QSet<QString> reached;
    for (int k = 0; k < 40; ++k) {
        if (QWidget* focus = QApplication::focusWidget())
            reached.insert(focus->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (const char* name : {"cb1", "cb2", "bbUp", "bbDown", "ab1", "ab23", "edSearch"})
        QVERIFY2(reached.contains(name), name);
    QVERIFY(!reached.contains("pnGroups")); // the column's frame is no stop of its own
}

void TestMainWindow::groupNameWithAmpersand() {
    WriteLines(Dir("Groups.ung"), {"R&D"});
    WriteGroup("R&D", {"unit"}, {"1"});
    Open();
    QCOMPARE(Find<QPushButton>("ab1")->text(), QString("R&&D")); // shown as R&D
    QCOMPARE(Group(), QString("R&D"));
    QCOMPARE(Find<QComboBox>("cb1")->count(), 1);
}

void TestMainWindow::localeChangeRelaysTheValue() {
    MainWindow& form = Open();
    Paste("1234.5");
    QCOMPARE(Display(), QString("1,234.5"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(&form, &change);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(DecimalSeparator(), std::string(","));
    QCOMPARE(Display(), QString("1.234,5"));
    form.Copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("1234,5"));
}

void TestMainWindow::windowsNotBuiltYetAreDisabled() {
    Open();
    for (const char* name : {"miPreferences", "Calculator1", "Report1", "Contents1", "About1"})
        QVERIFY2(!Find<QAction>(name)->isEnabled(), name);
    for (const char* name : {"miCopy", "miPaste", "HomePage1", "mi1"})
        QVERIFY2(Find<QAction>(name)->isEnabled(), name);
    QVERIFY(!Find<QWidget>("obCalculator")->isEnabled());
    QVERIFY(Find<QWidget>("obCopy")->isEnabled());
}

void TestMainWindow::opensTheInputDialogOnce_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key"); // 0 for a mouse click
    QTest::addRow("click on the value") << "MainInd" << 0;
    QTest::addRow("click on the panel") << "pnOut" << 0;
    QTest::addRow("Enter on the panel") << "pnOut" << int(Qt::Key_Return);
    QTest::addRow("Space on the panel") << "pnOut" << int(Qt::Key_Space);
}

void TestMainWindow::opensTheInputDialogOnce() {
    QFETCH(QString, control);
    QFETCH(int, key);
    int opened = 0;
    MainWindowLinks links;
    links.inputNumber = [&] { ++opened; };
    converter_ = std::make_unique<ConverterSession>(UnitsDatabase(Dir().toStdString()));
    form_ = std::make_unique<MainWindow>(*converter_, report_.get(), *hint_, links);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    QWidget* target = Find<QWidget>(qPrintable(control));
    if (key == 0) {
        QTest::mouseClick(target, Qt::LeftButton);
    } else {
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
    }
    QCOMPARE(opened, 1);
}

void TestMainWindow::namesShowOnOneLineAndCutToFit_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown"); // the name on one line
    QTest::addColumn<bool>("cut");
    QTest::addRow("line feed inside") << "Heat\nflow"
                                      << "Heat flow" << false;
    QTest::addRow("long name") << "Thermal conductivity (imperial units)"
                               << "Thermal conductivity (imperial units)" << true;
    QTest::addRow("240 characters") << QString(240, 'x') << QString(240, 'x') << true;
}

void TestMainWindow::namesShowOnOneLineAndCutToFit() {
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QFETCH(bool, cut);
    WriteLines(Dir("Groups.ung"), {name, "Length"});
    WriteGroup(name, {"per\nsecond", "unit"}, {"1", "2"});
    MainWindow& form = Open();
    const int columnWidth = Find<QWidget>("pnGroups")->width();
    auto* button = Find<QPushButton>("ab1");
    QCOMPARE(Find<QPushButton>("ab2")->text(), QString("Length"));
    QCOMPARE(button->text().contains(QChar(0x2026)), cut);
    QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) < button->width());
    QVERIFY(button->width() <= Find<QScrollArea>("pnGroups")->viewport()->width());
    QCOMPARE(button->toolTip(), cut ? shown : QString());
    QCOMPARE(Find<QLabel>("stGroup")->toolTip().isEmpty() ? Find<QLabel>("stGroup")->text()
                                                          : Find<QLabel>("stGroup")->toolTip(),
             shown);
    QCOMPARE(Group(), name); // the name itself keeps its text
    form.ConvertUpperToLower();
    QCOMPARE(Line(), QString("0 per second = 0 per second"));
    QCOMPARE(Find<QWidget>("pnGroups")->width(), columnWidth);
    QCOMPARE(form.width(), 545);
}

void TestMainWindow::largeFontClipsNothing() {
    const QFont normal = QApplication::font();
    QFont large = normal;
    large.setPointSize(14);
    QApplication::setFont(large);
    WriteLines(Dir("Groups.ung"), {"Kinematic viscosity"});
    MainWindow& form = Open();
    QApplication::setFont(normal);
    auto* button = Find<QPushButton>("ab1");
    QCOMPARE(button->text(), QString("Kinematic viscosity"));
    QVERIFY(form.width() >= form.minimumSizeHint().width());
    Paste("-1.5E-4000");
    QVERIFY(form.ValueDisplay()->DrawnTextWidth() <= form.ValueDisplay()->width());
}

void TestMainWindow::darkPaletteKeepsTheValueReadable() {
    const QPalette normal = QApplication::palette();
    QPalette dark = normal;
    for (auto [role, colour] : {std::pair{QPalette::Window, QColor(0x30, 0x30, 0x30)},
                                {QPalette::Base, QColor(0x20, 0x20, 0x20)},
                                {QPalette::Text, Qt::white},
                                {QPalette::WindowText, Qt::white},
                                {QPalette::Link, QColor(0x8a, 0xb4, 0xf8)}})
        dark.setColor(role, colour);
    QApplication::setPalette(dark);
    MainWindow& form = Open();
    QApplication::setPalette(normal);
    auto* pnOut = Find<QWidget>("pnOut");
    const QColor panel = pnOut->grab().toImage().pixelColor(pnOut->width() / 4, 3);
    QVERIFY2(panel.lightness() < 64, qPrintable(panel.name()));
    QVERIFY(form.ValueDisplay()->palette().color(QPalette::WindowText).lightness() > 128);
}

void TestMainWindow::unitListScrollsAfterTwentyRows() {
    WriteLines(Dir("Groups.ung"), {"Length"});
    WriteGroup("Length", Numbered("unit ", 79), QStringList(79, "1"));
    Open();
    auto* picker = Find<QComboBox>("cb1");
    picker->showPopup();
    QAbstractItemView* list = picker->view();
    QTRY_VERIFY(list->isVisible());
    QVERIFY(list->height() <= 21 * list->sizeHintForRow(0));
    picker->hidePopup();
}

void TestMainWindow::screenReadersHearLabelsValuesAndAlerts() {
    WriteStandardGroups();
    MainWindow& form = Open();
    auto accessible = [](QObject* object) { return QAccessible::queryAccessibleInterface(object); };
    for (auto [name, label] : {std::pair{"cb1", "Upper unit"}, {"cb2", "Lower unit"}}) {
        const auto relations = accessible(Find<QComboBox>(name))->relations(QAccessible::Label);
        QCOMPARE(relations.size(), 1);
        QCOMPARE(relations.first().first->text(QAccessible::Name), QString(label));
    }
    Paste("1");
    Select(Find<QComboBox>("cb2"), "inch");
    form.ConvertUpperToLower();
    QAccessibleInterface* value = accessible(form.ValueDisplay());
    QVERIFY(value->valueInterface());
    QCOMPARE(value->text(QAccessible::Value), QString("39.3700787401575"));
    QCOMPARE(value->valueInterface()->currentValue().toDouble(), 39.3700787401575);
    // A picker's text is its unit; a group button is one choice of many, the loaded one checked.
    QAccessibleTextInterface* lower = accessible(Find<QComboBox>("cb2"))->textInterface();
    QVERIFY(lower);
    QCOMPARE(lower->text(0, lower->characterCount()), QString("inch"));
    for (auto [name, loaded] : {std::pair{"ab1", true}, {"ab2", false}}) {
        QAccessibleInterface* button = accessible(Find<QPushButton>(name));
        QCOMPARE(button->role(), QAccessible::RadioButton);
        QCOMPARE(button->state().checked, loaded);
    }
    Find<QAction>("mi2")->trigger();
    Select(Find<QComboBox>("cb1"), "Kelvin's degree");
    Paste("-1");
    form.ConvertUpperToLower();
    QCOMPARE(accessible(hint_.get())->role(), QAccessible::AlertMessage);
    QCOMPARE(accessible(hint_.get())->text(QAccessible::Name), hint_->windowTitle());
}

void TestMainWindow::typedConversionIsTheArrowsConversion_data() {
    QTest::addColumn<QString>("start"); // the control typed on; empty: the field, after Ctrl+F
    QTest::addColumn<QString>("value"); // the value at hand before
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line"); // "" when nothing converts
    QTest::addColumn<QString>("hint");
    QTest::addRow("symbols") << ""
                             << "0"
                             << "12 in ft"
                             << "12 inch = 1 foot"
                             << "";
    QTest::addRow("names of another group")
        << ""
        << "0"
        << "100 Fahrenheit's degree to Celsius' degree"
        << "100 Fahrenheit's degree = 37.7777777777778 Celsius' degree"
        << "";
    QTest::addRow("no number: the value at hand") << ""
                                                  << "2"
                                                  << "foot inch"
                                                  << "2 foot = 24 inch"
                                                  << "";
    QTest::addRow("a sum") << ""
                           << "0"
                           << "5 foot 10 inch to metre"
                           << "5 foot 10 inch = 1.778 metre"
                           << "";
    QTest::addRow("below absolute zero")
        << ""
        << "0"
        << "-300 Celsius' degree to Kelvin's degree"
        << ""
        << "The temperature in Celsius' degrees cannot be lower than  -273.15 !";
    QTest::addRow("an expression") << ""
                                   << "0"
                                   << "1 kft to metre"
                                   << "1 kft = 304.8 metre"
                                   << "";
    QTest::addRow("not understood") << ""
                                    << "7"
                                    << "12 cubits to metre"
                                    << ""
                                    << "'cubits' is not a unit of Length";
    QTest::addRow("nothing matches") << ""
                                     << "7"
                                     << "#"
                                     << ""
                                     << "'#' is not a unit";
    // A number typed outside an edit field starts the sentence in the search field.
    QTest::addRow("typed on the upper picker") << "cb1"
                                               << "0"
                                               << "12 in ft"
                                               << "12 inch = 1 foot"
                                               << "";
    QTest::addRow("a minus typed on a group button") << "ab2"
                                                     << "0"
                                                     << "-12 in ft"
                                                     << "-12 inch = -1 foot"
                                                     << "";
}

// The sentence runs the down arrow: the same line as the arrow with the same pickers and value.
void TestMainWindow::typedConversionIsTheArrowsConversion() {
    QFETCH(QString, start);
    QFETCH(QString, value);
    QFETCH(QString, text);
    QFETCH(QString, line);
    QFETCH(QString, hint);
    WriteStandardGroups();
    WriteGroup("Length", {"metre", "inch", "foot"}, {"1", "0.0254", "0.3048"});
    MainWindow& form = Open();
    Paste(value);
    QLineEdit* field = Find<QLineEdit>("edSearch");
    if (start.isEmpty()) {
        Search(text);
    } else {
        Find<QWidget>(qPrintable(start))->setFocus();
        for (const QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(Line(), line);
    QCOMPARE(report_->toPlainText(), line);
    QCOMPARE(hint_->isVisible() ? hint_->windowTitle() : QString(), hint);
    if (!hint.isEmpty()) {
        // Under the field, which keeps the sentence to be corrected; it ends at the window's
        // right edge, and its balloon too.
        QVERIFY(field->hasFocus());
        QCOMPARE(field->text(), text);
        QCOMPARE(hint_->geometry().top(), field->mapToGlobal(QPoint(0, field->height() + 1)).y());
        QVERIFY2(hint_->geometry().right() <= form.geometry().right(),
                 qPrintable(QString("balloon ends at %1, window at %2")
                                .arg(hint_->geometry().right())
                                .arg(form.geometry().right())));
    }
    if (!line.isEmpty()) {
        // The copy keys copy the value, until the user selects text in the field.
        const QString copied = QString::fromStdString(GeneralNumberText(Value()));
        for (const Qt::Key key : {Qt::Key_C, Qt::Key_Insert}) {
            QGuiApplication::clipboard()->clear();
            QTest::keyClick(field, key, Qt::ControlModifier);
            QCOMPARE(QGuiApplication::clipboard()->text(), copied);
        }
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClick(field, Qt::Key_Home, Qt::ShiftModifier);
        QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
    }
    if (line.isEmpty() || text.contains(" to metre"))
        return; // nothing converted, or a sum or an expression, which no arrow makes
    QCOMPARE(Display(), QString::fromStdString(GeneralNumberText(Value())));
    const QString typedNumber = text.section(' ', 0, 0);
    Paste(typedNumber.front().isDigit() || typedNumber.front() == '-' ? typedNumber : value);
    form.ConvertUpperToLower();
    QCOMPARE(report_->toPlainText(), line + "\n" + line);
}

void TestMainWindow::searchChoosesAUnitOfAnyGroup_data() {
    QTest::addColumn<QString>("first"); // a unit chosen before with Enter; empty: none
    QTest::addColumn<QString>("added"); // to Length's files while the window was inactive
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("keys"); // Enter, Shift+Enter, or Down then Enter
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    const int down = -1;
    QTest::addRow("name start, upper") << ""
                                       << ""
                                       << "pound" << int(Qt::NoModifier) << "Mass"
                                       << "pound (avoirdupois)"
                                       << "kilogram";
    QTest::addRow("symbol, lower") << ""
                                   << ""
                                   << "in" << int(Qt::ShiftModifier) << "Length"
                                   << "metre"
                                   << "inch";
    QTest::addRow("any case") << ""
                              << ""
                              << "KELVIN" << int(Qt::NoModifier) << "Temperature"
                              << "Kelvin's degree"
                              << "Celsius' degree";
    QTest::addRow("a close spelling below") << ""
                                            << ""
                                            << "poudn" << int(Qt::NoModifier) << "Mass"
                                            << "pound (avoirdupois)"
                                            << "kilogram";
    QTest::addRow("past the 23rd slot") << ""
                                        << ""
                                        << "inch" << down << "Far away"
                                        << "inch of water"
                                        << "inch of water";
    QTest::addRow("in the loaded group: the other side stays")
        << "foot"
        << ""
        << "in" << int(Qt::ShiftModifier) << "Length"
        << "foot"
        << "inch";
    QTest::addRow("added while the window was inactive")
        << "foot"
        << "furlong"
        << "furlong" << int(Qt::ShiftModifier) << "Length"
        << "foot"
        << "furlong";
}

void TestMainWindow::searchChoosesAUnitOfAnyGroup() {
    QFETCH(QString, first);
    QFETCH(QString, added);
    QFETCH(QString, text);
    QFETCH(int, keys);
    QFETCH(QString, group);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    WriteStandardGroups();
    QStringList groups{"Length", "Temperature", "Mass"};
    groups << Numbered("G", 20) << "Far away";
    WriteLines(Dir("Groups.ung"), groups);
    WriteGroup("Far away", {"inch of water"}, {"249.08891"});
    Open();
    hint_->hide();
    if (!first.isEmpty())
        QTest::keyClick(Search(first), Qt::Key_Return);
    if (!added.isEmpty()) {
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        WriteGroup("Length", {"metre", "inch", "foot", "nothing", "empty", added},
                   {"1", "0.0254", "0,3048", "0", "", "201.168"});
        form_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }
    QLineEdit* field = Search(text);
    if (keys < 0)
        QTest::keyClick(field, Qt::Key_Down);
    QTest::keyClick(field, Qt::Key_Return, Qt::KeyboardModifier(std::max(keys, 0)));
    QCOMPARE(Group(), group);
    QCOMPARE(Find<QLabel>("stGroup")->text(), group);
    QCOMPARE(Find<QComboBox>("cb1")->currentText(), upper);
    QCOMPARE(Find<QComboBox>("cb2")->currentText(), lower);
    QCOMPARE(Find<QPushButton>("ab1")->isChecked(), group == "Length");
    QCOMPARE(Line(), QString()); // choosing converts nothing
}

void TestMainWindow::searchFieldKeys() {
    WriteStandardGroups();
    MainWindow& form = Open();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto* cb2 = Find<QComboBox>("cb2");
    cb2->setFocus();
    QLineEdit* field = Search("12 in ft");
    QVERIFY(field->hasFocus());
    QVERIFY(!field->accessibleName().isEmpty());
    QCOMPARE(Find<QLabel>("stAnswer")->text(), QString("= 1 ft")); // before Enter
    QVERIFY(Find<QWidget>("pnFound")->isVisible());
    QCOMPARE(Display(), QString("0"));
    QTest::keyClick(field, Qt::Key_Escape);
    QVERIFY(cb2->hasFocus());
    QVERIFY(!Find<QWidget>("pnFound")->isVisible());
    QCOMPARE(Line(), QString());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
