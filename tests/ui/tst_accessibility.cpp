// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every window as a screen reader, a dark palette and a large font meet it: what readers see of
// each window, what they are told of results and errors, the contrast of every coloured text,
// the keys that press buttons, and whether each caption fits its control at the font resolution
// the test runs at (ctest runs this binary at 96, 120 and 144 dpi), in every language.

#include "programfixture.h"
#include "ui/language/language.h"
#include "widgets/buttonpanel.h"
#include "widgets/colours.h"
#include "widgets/creditspanel.h"
#include "widgets/groupbutton.h"
#include "widgets/numberdisplay.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyleOption>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextTable>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace quorvel;
using quorvel::test::ProgramFixture;
using quorvel::test::SeparatorScope;
using quorvel::test::WriteLines;

namespace {

// A palette as dark desktop themes make it.
QPalette DarkPalette() {
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2d, 0x2d, 0x2d));
    for (auto [role, colour] : {std::pair{QPalette::WindowText, QColor(0xee, 0xee, 0xec)},
                                {QPalette::Text, QColor(0xee, 0xee, 0xec)},
                                {QPalette::ButtonText, QColor(0xee, 0xee, 0xec)},
                                {QPalette::Base, QColor(0x1e, 0x1e, 0x1e)},
                                {QPalette::Link, QColor(0x35, 0x84, 0xe4)}})
        dark.setColor(role, colour);
    return dark;
}

// The recorded events of screen readers: type, object and what the object then read.
struct RecordedEvent {
    QAccessible::Event type;
    QString object;
    QString text;
    QAccessible::Role role;
};
QList<RecordedEvent>& Events() {
    static QList<RecordedEvent> events;
    return events;
}
void Record(QAccessibleEvent* event) {
    QAccessibleInterface* face = event->accessibleInterface();
    Events().append({event->type(), event->object() ? event->object()->objectName() : QString(),
                     face ? face->text(QAccessible::Name) : QString(),
                     face ? face->role() : QAccessible::NoRole});
}

QWidget* TopLevel(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name)
            return window;
    }
    qFatal("no window %s", name);
}

// A widget as its window draws it, its text without smoothing (so that every text pixel has the
// pen's colour).
QImage Drawn(QWidget* control) {
    QFont sharp = control->font();
    sharp.setStyleStrategy(QFont::NoAntialias);
    control->setFont(sharp);
    QWidget* window = control->window();
    return window->grab(QRect(control->mapTo(window, QPoint()), control->size())).toImage();
}

// What a button's face looks like inside its border: the pixel of middle lightness, which neither
// its text nor the ends of a gradient decide.
QColor Face(QWidget* control) {
    const QImage drawn = Drawn(control);
    const QImage picture = drawn.copy(drawn.rect().adjusted(3, 3, -3, -3));
    QList<QColor> pixels;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            pixels.append(picture.pixelColor(x, y));
    }
    std::nth_element(pixels.begin(), pixels.begin() + pixels.size() / 2, pixels.end(),
                     [](const QColor& a, const QColor& b) { return Luminance(a) < Luminance(b); });
    return pixels.at(pixels.size() / 2);
}

// The text drawn in a widget against its background, in the window's own picture: the most
// common colour is the background, the pixel furthest from it the text.
double DrawnContrast(QWidget* control) {
    const QImage picture = Drawn(control);
    QHash<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            ++counts[picture.pixel(x, y)];
    }
    QRgb background = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > counts.value(background))
            background = it.key();
    }
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, ContrastRatio(QColor(it.key()), QColor(background)));
    return best;
}

// The lowest contrast of any text of a manual's topic against what it stands on.
double LowestContrast(const QTextBrowser* browser) {
    const QColor base = browser->palette().color(QPalette::Base);
    double lowest = 21;
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        QColor ground = base;
        if (QTextTable* table = qobject_cast<QTextTable*>(QTextCursor(block).currentTable())) {
            const QTextTableCell cell = table->cellAt(block.position());
            if (cell.format().background().style() != Qt::NoBrush)
                ground = cell.format().background().color();
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QColor ink = format.foreground().style() != Qt::NoBrush
                                   ? format.foreground().color()
                                   : browser->palette().color(QPalette::Text);
            if (!it.fragment().text().trimmed().isEmpty())
                lowest = std::min(lowest, ContrastRatio(ink, ground));
        }
    }
    return lowest;
}

// The width a line edit shows its grey placeholder text in: its contents without the text
// margins, the buttons shown at its ends and two pixels at each side.
int PlaceholderRoom(const QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    const QRect contents = edit->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                               .marginsRemoved(edit->textMargins());
    int right = contents.right() + 1;
    for (const QToolButton* button : edit->findChildren<QToolButton*>()) {
        if (button->isVisibleTo(edit))
            right = std::min(right, button->x());
    }
    return right - contents.left() - 2 * 2;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void census_data();
    void census();
    void contrast_data();
    void contrast();
    void announcements_data();
    void announcements();
    void balloonGivesTheFocusBack_data();
    void balloonGivesTheFocusBack();
    void mnemonicsPressButtons_data();
    void mnemonicsPressButtons();
    void everyCaptionFits_data();
    void everyCaptionFits();

private:
    // Each window in English and in each translation.
    void WindowsInLanguagesTable();
    void Start(const QPalette& palette = QApplication::palette(), const QString& language = "en");
    // Opens a window of the program by a verb of the tables; returns it.
    QWidget* Open(const QString& window);
    void Do(const QString& action);
    QWidget* Find(QWidget* window, const QString& name) {
        return fixture_.Find<QWidget>(window, qPrintable(name));
    }

    ProgramFixture fixture_;
    std::optional<Language> language_;
    std::optional<SeparatorScope> separators_;
    QPalette saved_ = QApplication::palette();
};

void TestAccessibility::cleanup() {
    QAccessible::installUpdateHandler(nullptr);
    fixture_.Stop();
    language_.reset();
    separators_.reset();
    QApplication::setPalette(saved_);
}

void TestAccessibility::Start(const QPalette& palette, const QString& language) {
    language_.emplace(language);
    separators_.emplace(".", ",");
    // As a screen reader on the bus does: Qt then tells readers, and the recorder, of changes.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QApplication::setPalette(palette);
    fixture_.Start({"metre", "inch", "foot"});
    WriteLines(fixture_.Path("Files/Groups.ung"), {"Length", "Temperature"});
    WriteLines(fixture_.Path("Files/Temperature.uns"), {"Celsius' degree", "Kelvin's degree"});
    WriteLines(fixture_.Path("Files/Temperature.unf"), {"1", "1"});
    fixture_.Main().ReadGroupList();
}

QWidget* TestAccessibility::Open(const QString& window) {
    MainWindow& main = fixture_.Main();
    Program& program = fixture_.ProgramUnderTest();
    auto trigger = [&](const char* action) { fixture_.Find<QAction>(&main, action)->trigger(); };
    auto click = [&](QWidget* in, const char* button) {
        fixture_.Find<QAbstractButton>(in, button)->click();
    };
    if (window == "main window")
        return &main;
    if (window == "calculator") {
        program.Calculator().Open();
        return &program.Calculator();
    }
    if (window == "number input") {
        program.NumberInput().Open();
        return &program.NumberInput();
    }
    if (window == "units list" || window == "find") {
        program.UnitList().Open();
        if (window == "units list")
            return &program.UnitList();
        program.UnitList().OpenFindDialog();
        return fixture_.Find<QWidget>(&program.UnitList(), "fdFind");
    }
    if (window == "report") {
        program.ReportWindow().Open();
        return &program.ReportWindow();
    }
    if (window == "about") {
        trigger("About1");
        return TopLevel("FormAbout");
    }
    if (window == "help") {
        trigger("Contents1");
        return TopLevel("HelpWindow");
    }
    trigger("miPreferences");
    QWidget* pref = fixture_.Find<QWidget>(&main, "FPref");
    if (window == "preferences")
        return pref;
    if (window == "group editor") {
        click(pref, "bbEdit1");
        return TopLevel("FGroupEdit");
    }
    fixture_.Find<QTabWidget>(pref, "pgPreferences")->setCurrentIndex(1);
    if (window == "unit editor") {
        click(pref, "bbEdit2");
        return TopLevel("FUnitsEdit");
    }
    click(pref, "bbDel2");
    return fixture_.Find<QWidget>(pref, "FConfirmDel");
}

void TestAccessibility::WindowsInLanguagesTable() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("language");
    for (const char* window :
         {"main window", "calculator", "number input", "units list", "find", "report",
          "preferences", "group editor", "unit editor", "delete confirmation", "about", "help"}) {
        QTest::newRow(window) << window << "en";
        for (const QString& language : TranslatedLanguages())
            QTest::addRow("%s, %s", window, qPrintable(language)) << window << language;
    }
}

void TestAccessibility::census_data() {
    WindowsInLanguagesTable();
}

// What a reader finds in each window, which shows whole on the screen: the window as a dialog or
// window, a name for every control
// that takes the focus, one name per purpose, no text it cannot read, and a letter for Alt on
// every captioned push button (no two alike, none the calculator's keys use).
void TestAccessibility::census() {
    QFETCH(QString, window);
    QFETCH(QString, language);
    Start(QApplication::palette(), language);
    QWidget* shown = Open(window);
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    // Whole on the screen, however large the window was designed (the test's screen is small).
    const QRect screen = shown->screen()->availableGeometry();
    QVERIFY2(screen.contains(shown->frameGeometry()),
             qPrintable(QString("%1x%2 at %3,%4 on %5x%6")
                            .arg(shown->frameGeometry().width())
                            .arg(shown->frameGeometry().height())
                            .arg(shown->frameGeometry().x())
                            .arg(shown->frameGeometry().y())
                            .arg(screen.width())
                            .arg(screen.height())));
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(shown);
    QVERIFY(root->role() == QAccessible::Dialog || root->role() == QAccessible::Window);
    QStringList unnamed, unreadable, unpressable, focusableNames, roles;
    int objects = 0, focusable = 0;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* face) {
        for (int k = 0; k < face->childCount(); ++k) {
            QAccessibleInterface* child = face->child(k);
            if (!child || child->state().invisible)
                continue;
            ++objects;
            const QString name = child->text(QAccessible::Name);
            const QString id = child->object() ? child->object()->objectName() : QString();
            const bool ours =
                child->object() &&
                QString(child->object()->metaObject()->className()).startsWith("quorvel::");
            const bool readable = !name.isEmpty() || child->state().focusable || ours;
            if (readable && QList{QAccessible::NoRole, QAccessible::Client, QAccessible::Indicator,
                                  QAccessible::Border}
                                .contains(child->role()))
                unreadable << id;
            if (child->role() == QAccessible::Button && !child->state().disabled &&
                child->actionInterface() &&
                !child->actionInterface()->actionNames().contains(
                    QAccessibleActionInterface::pressAction()))
                unpressable << id;
            if (child->state().focusable) {
                ++focusable;
                if (name.isEmpty())
                    unnamed << id;
                else if (!QList{QAccessible::ListItem, QAccessible::TreeItem, QAccessible::Cell,
                                QAccessible::PageTab, QAccessible::ComboBox}
                              .contains(child->role()))
                    focusableNames << name; // controls, not entries (a picker's name is its entry)
            }
            roles << QString::number(child->role(), 16);
            walk(child);
        }
    };
    walk(root);
    roles.removeDuplicates();
    qInfo("%s: %d objects, %d focusable, %lld unnamed, roles %s", qPrintable(window), objects,
          focusable, unnamed.size(), qPrintable(roles.join(' ')));
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(' ')));
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(' ')));
    QVERIFY2(unpressable.isEmpty(), qPrintable(unpressable.join(' ')));
    QStringList twice = focusableNames;
    for (const QString& name : QSet(focusableNames.cbegin(), focusableNames.cend()))
        twice.removeOne(name);
    QVERIFY2(twice.isEmpty(), qPrintable(twice.join(", ")));

    QString letters = window == "calculator" ? "R" : ""; // Alt+R is 1/x there
    for (auto* button : shown->findChildren<QPushButton*>()) {
        if (button->text().isEmpty() || button->inherits("quorvel::GroupButton") ||
            button->window() != shown || !button->isVisibleTo(shown))
            continue; // a hidden page's buttons take no keys
        const qsizetype mark = button->text().indexOf('&');
        QVERIFY2(mark >= 0, qPrintable(button->objectName()));
        const QChar letter = button->text().at(mark + 1).toUpper();
        QVERIFY2(!letters.contains(letter), qPrintable(button->objectName()));
        letters += letter;
    }
}

void TestAccessibility::contrast_data() {
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("text"); // a control's name
    // "ab1 against ab2": a state cue, the loaded group or active memory cell against the others.
    const QList<std::pair<const char*, const char*>> texts = {
        {"calculator", "pn7"},          {"calculator", "pnPlus"},
        {"calculator", "pnMR"},         {"calculator", "bpSin"},
        {"calculator", "bpX2"},         {"calculator", "pnM1"},
        {"calculator", "Ind"},          {"calculator", "pnSSS"},
        {"calculator", "MemInd"},       {"calculator", "rbCycle"},
        {"main window", "MainInd"},     {"main window", "stLine"},
        {"number input", "PreviewInd"}, {"about", "RxlbURL"},
        {"about", "spAbout"},           {"delete confirmation", "lbQuestion"},
        {"main window", "ErrorHint"},   {"help", "HelpBrowser"},
        {"main window", "ab1"},         {"main window", "ab1 against ab2"},
        {"calculator", "pnM2"},         {"calculator", "pnM1 against pnM2"}};
    for (const bool dark : {false, true}) {
        for (auto [window, text] : texts)
            QTest::addRow("%s %s, %s", window, text, dark ? "dark" : "light")
                << dark << window << text;
    }
}

void TestAccessibility::contrast() {
    QFETCH(bool, dark);
    QFETCH(QString, window);
    QFETCH(QString, text);
    Start(dark ? DarkPalette() : QApplication::palette());
    QWidget* shown = Open(window);
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    double contrast = 0;
    double minimum = MinimumTextContrast;
    if (text.contains(" against ")) {
        const QStringList cue = text.split(" against ");
        contrast = ContrastRatio(Face(Find(shown, cue[0])), Face(Find(shown, cue[1])));
        minimum = MinimumStateContrast;
    } else if (text == "ErrorHint") {
        fixture_.ProgramUnderTest().MessageBalloon().ShowUnder(Find(shown, "pnOut"), "Message");
        contrast = DrawnContrast(&fixture_.ProgramUnderTest().MessageBalloon());
    } else if (text == "HelpBrowser") {
        auto* browser = fixture_.Find<QTextBrowser>(shown, "HelpBrowser");
        browser->setSource(QUrl(browser->source().resolved(QUrl("calculator.html"))));
        contrast = LowestContrast(browser);
    } else {
        Do("1 inch = 0.0254 metre"); // the status line has its text
        if (auto* credits = qobject_cast<CreditsPanel*>(Find(shown, text))) {
            for (int step = 0; step < credits->height() / 2; ++step)
                credits->Step(); // the first lines scroll into view
        }
        contrast = DrawnContrast(Find(shown, text));
    }
    qInfo("contrast %.2f", contrast);
    QVERIFY2(contrast >= minimum, qPrintable(QString::number(contrast)));
}

void TestAccessibility::Do(const QString& action) {
    MainWindow& main = fixture_.Main();
    if (action == "1 inch = 0.0254 metre") {
        QGuiApplication::clipboard()->setText("1");
        main.Paste();
        fixture_.Picker("cb1")->setCurrentIndex(1);
        fixture_.Picker("cb1")->setFocus();
        fixture_.Find<QPushButton>(&main, "bbDown")->click();
    } else if (action == "-300 Celsius") {
        main.GroupButtonAt(1)->click();
        fixture_.Picker("cb1")->setFocus();
        QGuiApplication::clipboard()->setText("-300");
        main.Paste();
        fixture_.Find<QPushButton>(&main, "bbDown")->click();
    } else if (action == "type 12 in ft, then 12 in metre") {
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        auto* field = fixture_.Find<QLineEdit>(&main, "edSearch");
        field->setFocus();
        QTest::keyClicks(field, "12 in ft");
        field->selectAll();
        QTest::keyClicks(field, "12 in metre");
        QTest::qWait(800); // a pause in typing
    } else if (action == "submit 12") {
        Open("number input");
        fixture_.Find<QLineEdit>(&fixture_.ProgramUnderTest().NumberInput(), "meNumber")
            ->setText("12");
        fixture_.ProgramUnderTest().NumberInput().Submit();
    } else if (action == "submit 7 from the calculator") {
        Open("calculator");
        fixture_.ProgramUnderTest().Calculator().KeypadPress(CalculatorAction::Digit7);
        fixture_.ProgramUnderTest().Calculator().Submit();
    } else if (action == "divide by zero") {
        Open("calculator");
        CalculatorWindow& calc = fixture_.ProgramUnderTest().Calculator();
        for (CalculatorAction key : {CalculatorAction::Digit1, CalculatorAction::Divide,
                                     CalculatorAction::Digit0, CalculatorAction::Equal}) {
            try {
                calc.KeypadPress(key);
            } catch (const std::exception& error) {
                calc.ShowUnhandledError(error);
            }
        }
    }
}

void TestAccessibility::announcements_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("event");      // negative: readers must not be told
    QTest::addColumn<QString>("object"); // empty: any
    QTest::addColumn<QString>("text");
    const QString line = "1 inch = 0.0254 metre";
    const QString refusal = "-300 Celsius";
    QTest::addRow("conversion: a notice")
        << line << int(QAccessible::ObjectShow) << "Notice" << line;
    QTest::addRow("conversion: the status line")
        << line << int(QAccessible::NameChanged) << "stLine" << line;
    QTest::addRow("conversion: the value") << line << int(QAccessible::NameChanged) << "MainInd"
                                           << "0.0254";
    QTest::addRow("refusal: the balloon shows")
        << refusal << int(QAccessible::ObjectShow) << "ErrorHint"
        << "";
    QTest::addRow("refusal: an alert") << refusal << int(QAccessible::Alert) << "ErrorHint"
                                       << "";
    QTest::addRow("refusal: a notice") << refusal << int(QAccessible::ObjectShow) << "Notice"
                                       << "";
    QTest::addRow("input dialog's value") << "submit 12" << int(QAccessible::ObjectShow) << "Notice"
                                          << "Value 12";
    QTest::addRow("calculator's value")
        << "submit 7 from the calculator" << int(QAccessible::ObjectShow) << "Notice"
        << "Value 7";
    QTest::addRow("calculator error: alert")
        << "divide by zero" << int(QAccessible::ObjectShow) << "ErrorHint"
        << "Division by zero!";
    const QString typed = "type 12 in ft, then 12 in metre";
    QTest::addRow("typed answer: told once typing pauses")
        << typed << int(QAccessible::ObjectShow) << "Notice"
        << "= 0.3048 metre";
    QTest::addRow("typed answer: not at every key")
        << typed << -int(QAccessible::ObjectShow) << "Notice"
        << "= 0.3048 ft"; // the fixture's foot is a metre
    QTest::addRow("calculator error: a notice")
        << "divide by zero" << int(QAccessible::ObjectShow) << "Notice"
        << "Division by zero!";
}

// What readers are told: results and errors as a notice that shows, which readers speak whatever
// has the focus; results on the live status line, errors as an alert as the balloon shows.
void TestAccessibility::announcements() {
    QFETCH(QString, action);
    QFETCH(int, event);
    QFETCH(QString, object);
    QFETCH(QString, text);
    Start();
    if (text.isEmpty()) // the refusal's words are the conversion's own
        text = "The temperature in";
    Events().clear();
    QAccessible::installUpdateHandler(Record);
    Do(action);
    QAccessible::installUpdateHandler(nullptr);
    const bool never = event < 0;
    QStringList seen;
    for (const RecordedEvent& recorded : Events()) {
        if (recorded.type == std::abs(event) && (object.isEmpty() || recorded.object == object) &&
            recorded.text.startsWith(text.left(20))) {
            QVERIFY2(!never, "told");
            if (object == "Notice") // readers speak a notification as it shows
                QCOMPARE(recorded.role, QAccessible::Notification);
            return;
        }
        seen << QString("%1 %2 '%3'").arg(recorded.type, 0, 16).arg(recorded.object, recorded.text);
    }
    if (!never)
        QFAIL(qPrintable("not told; events: " + seen.join("; ")));
}

void TestAccessibility::balloonGivesTheFocusBack_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("focusAfterKey");
    QTest::addRow("main window: back to the picker") << "-300 Celsius"
                                                     << "cb1";
    QTest::addRow("calculator: stays on the display") << "divide by zero"
                                                      << "pnOut";
}

// The key that closes a balloon goes where the user was typing (in the calculator every key acts
// from the display, where Enter gives "=").
void TestAccessibility::balloonGivesTheFocusBack() {
    QFETCH(QString, action);
    QFETCH(QString, focusAfterKey);
    Start();
    QWidget* window = action == "divide by zero" ? Open("calculator") : &fixture_.Main();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    Do(action);
    QVERIFY(fixture_.ProgramUnderTest().MessageBalloon().isVisible());
    QTest::keyClick(window->windowHandle(), Qt::Key_K);
    QVERIFY(!fixture_.ProgramUnderTest().MessageBalloon().isVisible());
    QCOMPARE(QApplication::focusWidget()->objectName(), focusAfterKey);
    if (focusAfterKey == "cb1") // the typed letter chose a unit
        QCOMPARE(fixture_.Picker("cb1")->currentText(), QString("Kelvin's degree"));
}

void TestAccessibility::mnemonicsPressButtons_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("button");
    QTest::addRow("report: Alt+L clears") << "report"
                                          << "reReport" << int(Qt::Key_L) << "bbClear";
    QTest::addRow("report: Alt+C closes") << "report"
                                          << "reReport" << int(Qt::Key_C) << "bbClose";
    QTest::addRow("input: Alt+S submits") << "number input"
                                          << "meNumber" << int(Qt::Key_S) << "bbOk";
    QTest::addRow("calculator: Alt+S submits") << "calculator"
                                               << "bbClose" << int(Qt::Key_S) << "bbOK";
    QTest::addRow("units list: Alt+L closes") << "units list"
                                              << "lbUnits" << int(Qt::Key_L) << "bbClose";
}

// Alt and a button's letter press the button, and type nothing into the focused control.
void TestAccessibility::mnemonicsPressButtons() {
    QFETCH(QString, window);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, button);
    Start();
    Do("1 inch = 0.0254 metre"); // the report has a line
    QWidget* shown = Open(window);
    QVERIFY(QTest::qWaitForWindowActive(shown));
    Find(shown, focus)->setFocus();
    auto* report =
        fixture_.Find<QPlainTextEdit>(&fixture_.ProgramUnderTest().ReportWindow(), "reReport");
    const QString before = report->toPlainText();
    QSignalSpy pressed(fixture_.Find<QAbstractButton>(shown, qPrintable(button)),
                       &QAbstractButton::clicked);
    QTest::keyClick(shown->windowHandle(), Qt::Key(key), Qt::AltModifier);
    QTRY_COMPARE(pressed.count(), 1);
    if (button != "bbClear")
        QCOMPARE(report->toPlainText(), before);
    if (auto* edit = qobject_cast<QLineEdit*>(Find(shown, focus)))
        QVERIFY(!edit->text().contains(QChar(key).toLower()));
}

void TestAccessibility::everyCaptionFits_data() {
    WindowsInLanguagesTable();
}

// Each caption fits its control whole at this font resolution, in each language.
void TestAccessibility::everyCaptionFits() {
    QFETCH(QString, window);
    QFETCH(QString, language);
    Start(QApplication::palette(), language);
    QWidget* shown = Open(window);
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    Do("1 inch = 0.0254 metre");
    QStringList cut;
    for (QWidget* control : shown->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(shown) || control->window() != shown)
            continue;
        const QFontMetrics metrics(control->font());
        QSize needed, room = control->contentsRect().size();
        if (auto* panel = qobject_cast<ButtonPanel*>(control)) {
            needed = panel->sizeHint().expandedTo(panel->size()); // and its border, whole
            room = panel->visibleRegion().boundingRect().size();
        } else if (auto* credits = qobject_cast<CreditsPanel*>(control)) {
            for (const QString& line : credits->Lines())
                needed = needed.expandedTo(QSize(metrics.horizontalAdvance(line), 0));
            room = credits->size();
        } else if (auto* tree = qobject_cast<QTreeView*>(control)) {
            // The manual's contents come from a thread of the help engine's own, then unfold.
            QTRY_VERIFY(tree->model()->rowCount() > 0 &&
                        tree->isExpanded(tree->model()->index(0, 0)));
            // Its widest entry, indented (QTreeView hides the measure QAbstractItemView shows).
            needed = QSize(static_cast<QAbstractItemView*>(tree)->sizeHintForColumn(0), 0);
            room = tree->viewport()->size();
        } else if (auto* display = qobject_cast<NumberDisplay*>(control)) {
            needed = QSize(display->DrawnTextWidth(), 0);
        } else if (auto* radio = qobject_cast<QRadioButton*>(control)) {
            needed = QSize(metrics.horizontalAdvance(radio->text()) +
                               control->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                               control->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing),
                           metrics.height());
        } else if (auto* push = qobject_cast<QPushButton*>(control);
                   push && !push->text().isEmpty()) {
            QStyleOptionButton option;
            option.initFrom(push);
            room =
                push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push).size();
            const int icon = push->icon().isNull() ? 0 : push->iconSize().width() + 4;
            needed = QSize(metrics.horizontalAdvance(QString(push->text()).remove('&')) + icon,
                           metrics.height());
        } else if (auto* box = qobject_cast<QGroupBox*>(control)) {
            needed = QSize(metrics.horizontalAdvance(box->title()) + 16, 0);
            room = box->size();
        } else if (auto* label = qobject_cast<QLabel*>(control);
                   label && !label->text().isEmpty() && !label->wordWrap() &&
                   label->textFormat() != Qt::RichText && !label->text().contains('<')) {
            needed = metrics.size(Qt::TextShowMnemonic, label->text());
        } else if (auto* bar = qobject_cast<QToolBar*>(control)) {
            needed = QSize(bar->sizeHint().width(), 0); // no button behind the overflow arrow
            room = bar->size();
        } else if (auto* edit = qobject_cast<QLineEdit*>(control);
                   edit && !edit->placeholderText().isEmpty()) {
            needed = QSize(metrics.horizontalAdvance(edit->placeholderText()), 0);
            room = QSize(PlaceholderRoom(edit), 0);
        } else {
            continue;
        }
        if (needed.width() > room.width() || needed.height() > room.height())
            cut << QString("%1 (%2x%3 in %4x%5)")
                       .arg(control->objectName())
                       .arg(needed.width())
                       .arg(needed.height())
                       .arg(room.width())
                       .arg(room.height());
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));
}

QUORVEL_PROGRAM_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
