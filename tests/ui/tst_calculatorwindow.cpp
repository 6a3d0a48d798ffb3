// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculator window, offscreen: key and mouse sequences through the real window, each checked
// on the display, the memory display, the operation sign, the main window's value and display,
// the balloon and the panels' look; the handler for unhandled errors; placement; the wiring of
// the program's owner.

#include "calc/guardedmath.h"
#include "calc/numbertext.h"
#include "programmain.h"
#include "testsupport.h"
#include "ui/app/application.h"
#include "ui/app/program.h"
#include "ui/calculator/calculatorwindow.h"
#include "ui/converter/convertersession.h"
#include "ui/converter/mainwindow.h"
#include "ui/converter/numberinputdialog.h"
#include "ui/language/language.h"
#include "ui/shared/balloon.h"
#include "widgets/buttonpanel.h"
#include "widgets/numberdisplay.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextDocumentLayout>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextDocument>
#include <memory>
#include <optional>

using namespace quorvel;
using quorvel::test::SeparatorScope;

class TestCalculatorWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sequences_data();
    void sequences();
    void errorsOfOtherWindowsReachTheBalloon_data();
    void errorsOfOtherWindowsReachTheBalloon();
    void opensCentredThenBesideTheMainWindow();
    void everyPanelHasAnAccessibleName();
    void programOpensBothWindowsFromTheMainWindow();
    void programShowsErrorsUnderTheCalculatorBuiltOnDemand_data();
    void programShowsErrorsUnderTheCalculatorBuiltOnDemand();

private:
    template <typename T = QWidget> T* Find(QWidget* window, const QString& name) {
        T* child = window->findChild<T*>(name);
        if (!child)
            qFatal("no control %s", qPrintable(name));
        return child;
    }
    void Open();
    void Step(const QString& token);
    QWidget* KeyTarget() {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus : calc_.get();
    }
    QString Shown(const char* name) {
        return Find<NumberDisplay>(calc_.get(), name)->DisplayedText();
    }

    std::optional<SeparatorScope> separators_;
    std::optional<Language> language_;
    std::unique_ptr<ErrorBalloon> hint_;
    std::unique_ptr<QTextDocument> report_;
    std::unique_ptr<ConverterSession> converter_;
    std::unique_ptr<MainWindow> form_;
    std::unique_ptr<NumberInputDialog> input_;
    std::unique_ptr<CalculatorWindow> calc_;
    int helpAsked_ = 0;
};

void TestCalculatorWindow::init() {
    separators_.emplace(",", " ");
    hint_ = std::make_unique<ErrorBalloon>();
    report_ = std::make_unique<QTextDocument>();
    report_->setDocumentLayout(new QPlainTextDocumentLayout(report_.get()));
    MainWindowLinks links;
    links.inputNumber = [this] { input_->Open(); };
    links.calculator = [this] { calc_->Open(); };
    converter_ = std::make_unique<ConverterSession>(UnitsDatabase("no such folder"));
    form_ = std::make_unique<MainWindow>(*converter_, report_.get(), *hint_, links);
    input_ = std::make_unique<NumberInputDialog>(*converter_, HelpOpener(), form_.get());
    auto& application = *qobject_cast<Application*>(QCoreApplication::instance());
    helpAsked_ = 0;
    calc_ = std::make_unique<CalculatorWindow>(
        *converter_, *input_, *hint_, [this](int context) { helpAsked_ = context; }, application,
        form_.get());
    QGuiApplication::clipboard()->clear();
}

void TestCalculatorWindow::cleanup() {
    calc_.reset();
    input_.reset();
    form_.reset();
    hint_.reset();
    language_.reset();
    separators_.reset();
}

void TestCalculatorWindow::Open() {
    calc_->Open();
    QVERIFY(QTest::qWaitForWindowActive(calc_.get()));
}

// One step of a sequence: a typed character ("7"), a key ("<Ctrl+R>"), or verb:control.
void TestCalculatorWindow::Step(const QString& token) {
    if (token.size() == 1) {
        QTest::keyClick(KeyTarget(), token[0].toLatin1());
        return;
    }
    if (token.startsWith('<')) {
        QTest::keySequence(KeyTarget(), QKeySequence(token.mid(1, token.size() - 2)));
        return;
    }
    const QString verb = token.section(':', 0, 0);
    const QString what = token.section(':', 1);
    if (verb == "open") {
        Open();
    } else if (verb == "close") { // as the close box and Alt+F4 do
        calc_->close();
    } else if (verb == "separator") { // the locale's, as the program reads it
        SetNumberSeparators({what.toStdString(), " "});
    } else if (verb == "language") {
        language_.emplace(what);
    } else if (verb == "clip") {
        QGuiApplication::clipboard()->setText(what);
    } else if (verb == "main-paste") { // a value pasted into the main window
        QGuiApplication::clipboard()->setText(what);
        form_->Paste();
    } else if (verb == "submit-input") {
        Find<QLineEdit>(input_.get(), "meNumber")->setText(what);
        QTest::mouseClick(Find(input_.get(), "bbOk"), Qt::LeftButton);
    } else if (verb == "focus") {
        Find(calc_.get(), what)->setFocus();
    } else if (verb == "click" || verb == "radio") {
        QTest::mouseClick(Find(calc_.get(), what), Qt::LeftButton);
    } else if (verb == "right" || verb == "middle") {
        QTest::mouseClick(Find(calc_.get(), what),
                          verb == "right" ? Qt::RightButton : Qt::MiddleButton);
    } else if (verb == "press") {
        QTest::mousePress(Find(calc_.get(), what), Qt::LeftButton);
    } else if (verb == "dbl") { // as a real double click arrives: press, release, double, release
        QWidget* panel = Find(calc_.get(), what);
        QTest::mousePress(panel, Qt::LeftButton);
        QTest::mouseRelease(panel, Qt::LeftButton);
        QTest::mouseDClick(panel, Qt::LeftButton);
        QTest::mouseRelease(panel, Qt::LeftButton);
    } else if (verb == "slide") { // pressed, then released off the panel
        QWidget* panel = Find(calc_.get(), what);
        const QPoint outside(panel->width() + 5, panel->height() / 2);
        QTest::mousePress(panel, Qt::LeftButton);
        QTest::mouseMove(panel, outside);
        QTest::mouseRelease(panel, Qt::LeftButton, {}, outside);
    } else {
        qFatal("unknown step %s", qPrintable(token));
    }
}

void TestCalculatorWindow::sequences_data() {
    // Expectations not named hold their defaults: MemInd 0, pnMemNum M1=, pnSSS =, CurrentValue
    // 0 and ValueDisplay showing it, no balloon, no panel lowered, the window open, the dialog
    // closed, the clipboard empty, no help asked for, the decimal key showing ",".
    QTest::addColumn<QString>("sequence");
    QTest::addColumn<QString>("expected");
    auto row = [](const char* name, const char* sequence, const char* expected) {
        QTest::addRow("%s", name) << QString(sequence) << QString(expected);
    };
    row("digits, plus, equals", "1 2 + 3 =", "Ind=15|pnSSS=+");
    row("double click on 7 enters two digits", "dbl:pn7", "Ind=77");
    row("right and middle buttons press panels", "right:pn7 middle:pn8", "Ind=78");
    row("a function panel acts on click", "9 click:bpX2", "Ind=81");
    row("a double click applies a function once", "3 dbl:bpX2", "Ind=9");
    row("press and slide off a function does nothing", "3 slide:bpX2", "Ind=3");
    row("point enters the separator", "1 . 5", "Ind=1,5");
    row("comma enters the separator", "1 , 5", "Ind=1,5");
    row("the decimal key shows the locale's point", "close separator:. open 1 , 5",
        "Ind=1.5|pnComma=.");
    row("s changes the sign while typing", "5 s 3", "Ind=-53");
    row("S changes the sign", "5 S", "Ind=-5");
    row("Ctrl+R recalls memory", "4 <Ctrl+P> click:pnM2 2 <Ctrl+P> click:pnM1 <Ctrl+R>",
        "Ind=4|MemInd=4|CurrentValue=4");
    row("R gives 1/x", "4 <R>", "Ind=0,25");
    row("Shift+R gives 1/x", "4 <Shift+R>", "Ind=0,25");
    row("Ctrl+Shift+R gives 1/x", "4 <Ctrl+Shift+R>", "Ind=0,25");
    row("Ctrl+C clears memory", "4 <Ctrl+P> <Ctrl+C>", "Ind=4|CurrentValue=4");
    row("Ctrl+Shift+C does nothing", "4 <Ctrl+P> <Ctrl+Shift+C>", "Ind=4|MemInd=4|CurrentValue=4");
    row("Ctrl+M subtracts from memory", "5 <Ctrl+P> 2 <Ctrl+M>", "Ind=2|MemInd=3|CurrentValue=2");
    row("C, M and P without Ctrl do nothing", "5 <C> <M> <P>", "Ind=5");
    row("a digit with Ctrl or Alt types nothing", "5 <Ctrl+6> <Alt+7>", "Ind=5");
    row("a digit with Ctrl and Alt types it", "5 <Ctrl+Alt+7>", "Ind=57");
    row("Enter gives = without a focused button", "focus:bpSin 2 + 3 <Return> <Return>",
        "Ind=8|pnSSS=+|focus=bpSin");
    row("Enter presses the focused Submit", "2 + 3 <Return>",
        "Ind=3|pnSSS=+|CurrentValue=3|ValueDisplay=3|visible=0");
    row("Enter presses the focused Close", "focus:bbClose 2 <Return>", "Ind=2|visible=0");
    row("Esc clears and leaves the window open", "5 + 2 <Esc>", "Ind=0|pnSSS=+");
    row("Esc after an error closes the balloon and clears", "5 / 0 = <Esc> 3 =", "Ind=3|pnSSS=÷");
    row("the sign stays after = and clear", "5 + 3 = click:pnC", "Ind=0|pnSSS=+");
    row("Del clears the entry", "5 + 2 <Del> 3 =", "Ind=8|pnSSS=+");
    row("Backspace drops a digit", "1 2 3 <Backspace>", "Ind=12");
    row("M+ then Close", "7 click:pnMPlus click:bbClose",
        "Ind=7|MemInd=7|CurrentValue=7|visible=0");
    row("Submit", "7 * 6 = click:bbOK", "Ind=42|pnSSS=×|CurrentValue=42|ValueDisplay=42|visible=0");
    row("cell 1 ends digit entry", "1 2 click:pnM1 3", "Ind=3");
    row("cell 2 keeps digit entry", "1 2 click:pnM2 3", "Ind=123|pnMemNum=M2=");
    row("reopening selects cell 1 and shows the value",
        "5 click:pnMPlus click:pnM3 6 click:pnMPlus click:bbClose open",
        "Ind=6|MemInd=5|CurrentValue=6");
    row("reopening takes the main window's value", "7 click:bbClose main-paste:42 open",
        "Ind=42|CurrentValue=42|ValueDisplay=42|clipboard=42");
    row("cells keep their contents when reopened",
        "5 click:pnMPlus click:pnM3 6 click:pnMPlus click:bbClose open click:pnM3",
        "Ind=6|MemInd=6|pnMemNum=M3=|CurrentValue=6");
    row("an error shows its message with !",
        "5 / 0 =", "Ind=0|pnSSS=÷|hint=Division by zero!|focus=pnOut");
    row("the language closes the message",
        "language:es 5 / 0 =", "Ind=0|pnSSS=÷|hint=¡División por cero!|focus=pnOut");
    row("the close box closes the error's balloon too", "5 / 0 = close", "Ind=0|pnSSS=÷|visible=0");
    row("an error raises the operation panels", "5 / 0 press:pnEq",
        "Ind=0|pnSSS=÷|hint=Division by zero!");
    row("a held keypad panel stays lowered", "press:pn7 press:pnC", "Ind=0|lowered=pn7 pnC");
    row("a key release raises the keypad", "press:pn7 8", "Ind=78");
    row("Enter after an error gives =", "1 / 0 = 5 <Return>", "Ind=0,2|pnSSS=÷|focus=pnOut");
    row("Deg", "radio:rbDegr 9 0 click:bpSin", "Ind=1");
    row("Grad", "radio:rbGrad 1 0 0 click:bpSin", "Ind=1");
    row("Cycle", "radio:rbCycle 0 . 2 5 click:bpSin", "Ind=1");
    row("Rad again", "radio:rbDegr radio:rbRad click:bpPI / 2 = click:bpSin", "Ind=1|pnSSS=÷");
    row("inverse functions answer in the unit", "radio:rbDegr 0 click:bpArccos", "Ind=90");
    row("Ctrl+Insert copies the clean value", "1 2 3 4 , 5 <Ctrl+Insert>",
        "Ind=1 234,5|clipboard=1234,5");
    row("Shift+Insert pastes a number", "clip:x=1234,5kg <Shift+Insert>",
        "Ind=1 234,5|clipboard=x=1234,5kg");
    row("Ctrl+V pastes a number", "clip:2,5e3 <Ctrl+V> + 1 =", "Ind=2 501|pnSSS=+|clipboard=2,5e3");
    row("a paste without a number changes nothing", "7 clip:abc <Ctrl+V>", "Ind=7|clipboard=abc");
    row("arrows move among function panels, Space acts",
        "9 focus:bpSin <Right> <Right> <Down> <Down> <Down> <Down> <Space>", "Ind=81|focus=bpX2");
    row("Tab goes from the buttons to the angles", "<Tab> <Tab> <Tab>", "Ind=0|focus=rbRad");
    row("a click on the display opens the input dialog", "click:Ind", "Ind=0|input=1");
    row("a click on the sign opens the input dialog", "click:pnSSS", "Ind=0|input=1");
    row("Space on the display opens the input dialog", "focus:pnOut <Space>", "Ind=0|input=1");
    row("the dialog from the display changes the main window", "5 click:Ind submit-input:7",
        "Ind=5|CurrentValue=7|ValueDisplay=7");
    row("Help asks for the calculator's topic", "click:bbHelp", "Ind=0|help=2002");
}

void TestCalculatorWindow::sequences() {
    QFETCH(QString, sequence);
    QFETCH(QString, expected);
    QMap<QString, QString> want = {{"MemInd", "0"},       {"pnMemNum", "M1="}, {"pnSSS", "="},
                                   {"CurrentValue", "0"}, {"visible", "1"},    {"input", "0"},
                                   {"help", "0"},         {"pnComma", ","}};
    for (const QString& item : expected.split('|'))
        want[item.section('=', 0, 0)] = item.section('=', 1);
    if (!expected.contains("MainInd="))
        want["MainInd"] = want["CurrentValue"];
    Open();
    for (const QString& token : sequence.split(' ', Qt::SkipEmptyParts))
        Step(token);

    QCOMPARE(Shown("Ind"), want["Ind"]);
    QCOMPARE(Shown("MemInd"), want["MemInd"]);
    QCOMPARE(Find<QLabel>(calc_.get(), "pnMemNum")->text(), want["pnMemNum"]);
    QCOMPARE(Find<QLabel>(calc_.get(), "pnSSS")->text(), want["pnSSS"]);
    QCOMPARE(converter_->State().Value(), ParseNumberText(want["CurrentValue"].toStdString()));
    QCOMPARE(form_->ValueDisplay()->DisplayedText(), want["MainInd"]);
    QCOMPARE(hint_->isVisible() ? hint_->windowTitle() : QString(), want["hint"]);
    QCOMPARE(calc_->isVisible(), want["visible"] == "1");
    QCOMPARE(input_->isVisible(), want["input"] == "1");
    QCOMPARE(QGuiApplication::clipboard()->text(), want["clipboard"]);
    QCOMPARE(QString::number(helpAsked_), want["help"]);
    QCOMPARE(Find<ButtonPanel>(calc_.get(), "pnComma")->Caption(), want["pnComma"]);
    if (want.contains("focus"))
        QCOMPARE(QApplication::focusWidget()->objectName(), want["focus"]);
    QStringList lowered;
    for (const auto* panel : calc_->findChildren<ButtonPanel*>()) {
        if (panel->Lowered() && panel->parent()->objectName() != "Panel3")
            lowered << panel->objectName();
    }
    lowered.sort();
    QCOMPARE(lowered.join(' '), want["lowered"]);
}

void TestCalculatorWindow::errorsOfOtherWindowsReachTheBalloon_data() {
    QTest::addColumn<bool>("ourError"); // one of the program's errors, or anything else thrown
    QTest::addColumn<bool>("shownBefore");
    QTest::addColumn<QString>("message");
    QTest::addRow("before the first opening") << true << false << "Overflow!";
    QTest::addRow("after the window was shown") << true << true << "Overflow!";
    QTest::addRow("not a library error") << false << false << "Unknown error!";
}

void TestCalculatorWindow::errorsOfOtherWindowsReachTheBalloon() {
    QFETCH(bool, ourError);
    QFETCH(bool, shownBefore);
    QFETCH(QString, message);
    if (shownBefore) {
        Open();
        calc_->move(200, 120);
        calc_->close();
    }
    QWidget other; // the window in use, below where the calculator stands
    other.setGeometry(QRect(calc_->pos() + QPoint(0, calc_->height() + 90), QSize(400, 200)));
    auto* button = new QPushButton("Throw", &other);
    int clicks = 0;
    connect(button, &QPushButton::clicked, [&] {
        ++clicks;
        if (ourError)
            throw EMathError(MathMessages::Overflow);
        throw 42;
    });
    other.show();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QTest::mouseClick(button, Qt::LeftButton);

    QVERIFY(hint_->isVisible());
    QCOMPARE(hint_->windowTitle(), message);
    QCOMPARE(calc_->pos(), shownBefore ? QPoint(200, 120) : QPoint(329, 166));
    QVERIFY(other.geometry().contains(hint_->geometry())); // not where the hidden window stands
    QCOMPARE(QApplication::focusWidget(), button);         // the hidden window takes no focus
    QTest::mouseClick(button, Qt::LeftButton);             // and the program goes on
    QCOMPARE(clicks, 2);
}

void TestCalculatorWindow::opensCentredThenBesideTheMainWindow() {
    form_->move(150, 90);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    Open();
    const QPoint centre = calc_->screen()->availableGeometry().center();
    QVERIFY((calc_->frameGeometry().center() - centre).manhattanLength() <= 2);
    calc_->close();
    Open();
    QCOMPARE(calc_->pos(), form_->pos() + QPoint(88, 10));
}

void TestCalculatorWindow::everyPanelHasAnAccessibleName() {
    const auto panels = calc_->findChildren<ButtonPanel*>();
    QCOMPARE(panels.size(), 27 + 30 + 10);
    QSet<QString> names;
    for (const auto* panel : panels)
        names.insert(panel->accessibleName());
    QCOMPARE(names.size(), panels.size());
    for (const char* name :
         {"Seven", "Plus", "Memory recall", "Sine", "Secant", "Inverse sine", "Memory cell 10"})
        QVERIFY2(names.contains(name), name);
}

void TestCalculatorWindow::programOpensBothWindowsFromTheMainWindow() {
    Program program(quorvel::test::TestApplication());
    MainWindow& form = program.Main();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    for (const char* name : {"obCalculator", "bbCalc"}) {
        QTest::mouseClick(Find(&form, name), Qt::LeftButton);
        QVERIFY2(program.Calculator().isVisible(), name);
        program.Calculator().close();
    }
    QTest::mouseClick(form.ValueDisplay(), Qt::LeftButton);
    QVERIFY(program.NumberInput().isVisible());
}

void TestCalculatorWindow::programShowsErrorsUnderTheCalculatorBuiltOnDemand_data() {
    QTest::addColumn<bool>("openedBefore");
    QTest::addColumn<QString>("memory"); // after the error, on the next opening
    QTest::addRow("never opened") << false << "0";
    QTest::addRow("opened, 7 in memory") << true << "7";
}

// The program builds the calculator window when it is first needed: an error before that reaches
// its handler as if it had been there from the start, its balloon within the window in use, and
// the window it builds is the one every later opening shows, with its memory.
void TestCalculatorWindow::programShowsErrorsUnderTheCalculatorBuiltOnDemand() {
    QFETCH(bool, openedBefore);
    QFETCH(QString, memory);
    Program program(quorvel::test::TestApplication());
    MainWindow& form = program.Main();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    if (openedBefore) {
        QTest::mouseClick(Find(&form, "obCalculator"), Qt::LeftButton);
        program.Calculator().KeypadPress(CalculatorAction::Digit7);
        program.Calculator().KeypadPress(CalculatorAction::MemoryAdd);
        program.Calculator().close();
    }
    auto* button = new QPushButton("Throw", &form);
    connect(button, &QPushButton::clicked, [] { throw EMathError(MathMessages::Overflow); });
    button->show();
    QTest::mouseClick(button, Qt::LeftButton);

    ErrorBalloon& hint = program.MessageBalloon();
    QVERIFY(hint.isVisible());
    QCOMPARE(hint.windowTitle(), QString("Overflow!"));
    QVERIFY(form.geometry().contains(hint.geometry())); // the window in use
    QTest::mouseClick(Find(&form, "obCalculator"), Qt::LeftButton);
    QVERIFY(program.Calculator().isVisible());
    QCOMPARE(Find<NumberDisplay>(&program.Calculator(), "MemInd")->DisplayedText(), memory);
}

QUORVEL_PROGRAM_TEST_MAIN(TestCalculatorWindow)

#include "tst_calculatorwindow.moc"
