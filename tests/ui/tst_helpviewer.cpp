// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Help and About: the compiled manual, the help window, the help key and Help buttons of every
// window through the program's own wiring, unusable help files, and the About box.

#include "core/textfile.h"
#include "programfixture.h"
#include "programmain.h"
#include "ui/help/aboutdialog.h"
#include "ui/help/helpviewer.h"
#include "widgets/creditspanel.h"

#include <QDesktopServices>
#include <QHelpEngineCore>
#include <QHelpLink>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QToolButton>
#include <QTreeView>

using namespace quorvel;

namespace {

QStringList messages;
void Collect(QtMsgType, const QMessageLogContext&, const QString& message) {
    messages << message;
}

// The compiled manual, read through a help collection of the test's own.
struct Manual {
    QTemporaryDir dir;
    QHelpEngineCore engine{dir.filePath("c.qhc")};

    bool Open() {
        engine.setReadOnly(false);
        return engine.setupData() && engine.registerDocumentation(QUORVEL_HELP_FILE);
    }
};

// Takes the addresses the program asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened << url; }
};

} // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { fixture_.Stop(); }

    void manualHasEveryTopic_data();
    void manualHasEveryTopic();
    void manualListsDeliveredUnits();
    void helpKeyAndButtons_data();
    void helpKeyAndButtons();
    void helpKeyFollowsFocusedPart_data();
    void helpKeyFollowsFocusedPart();
    void helpWindowNavigates();
    void helpWindowWorksBesideModalWindow();
    void unusableHelpFileOpensNothing_data();
    void unusableHelpFileOpensNothing();
    void destroyingClosesHelpWindow();
    void destroyedWhileReadingTheManual();
    void aboutBoxCloses_data();
    void aboutBoxCloses();
    void aboutLinks_data();
    void aboutLinks();
    void creditsScrollWithoutEnd();

private:
    QWidget* HelpWindow() {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == "HelpWindow")
                return window;
        return nullptr;
    }
    QPointer<AboutDialog> OpenAbout() {
        fixture_.Start();
        fixture_.Find<QAction>(&fixture_.Main(), "About1")->trigger();
        auto* about = fixture_.Main().findChild<AboutDialog*>("FormAbout");
        if (about)
            (void)QTest::qWaitForWindowExposed(about);
        return about;
    }

    test::ProgramFixture fixture_;
};

void TestHelpViewer::manualHasEveryTopic_data() {
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QString>("title");
    QTest::addRow("contents") << "contents"
                              << "Quorvel Help";
    QTest::addRow("2001 main window") << "2001"
                                      << "The main window";
    QTest::addRow("2002 calculator") << "2002"
                                     << "The calculator";
    QTest::addRow("2003 number input") << "2003"
                                       << "Typing a number";
    QTest::addRow("2004 units list") << "2004"
                                     << "The units list";
    QTest::addRow("2005 report") << "2005"
                                 << "The report";
    QTest::addRow("3001 groups page") << "3001"
                                      << "Preferences: the Groups page";
    QTest::addRow("3002 units page") << "3002"
                                     << "Preferences: the Units page";
    QTest::addRow("3003 unit editor") << "3003"
                                      << "Editing a unit";
}

void TestHelpViewer::manualHasEveryTopic() {
    QFETCH(QString, identifier);
    QFETCH(QString, title);
    Manual manual;
    QVERIFY2(manual.Open(), qPrintable(manual.engine.error()));
    const QList<QHelpLink> links = manual.engine.documentsForIdentifier(identifier);
    QCOMPARE(links.size(), 1);
    QCOMPARE(links[0].title, title);
    const QString page = QString::fromUtf8(manual.engine.fileData(links[0].url));
    QVERIFY2(page.contains("<h1>" + title + "</h1>"), qPrintable(page.left(300)));
    QVERIFY(page.size() > 1000);
}

void TestHelpViewer::manualListsDeliveredUnits() {
    Manual manual;
    QVERIFY2(manual.Open(), qPrintable(manual.engine.error()));
    const QString page =
        QString::fromUtf8(manual.engine.fileData(QUrl("qthelp://org.quorvel.help/doc/units.html")));
    const QString files = QString(QUORVEL_DATA_DIR) + "/Files/";
    const std::vector<std::string> groups = ReadTextLines((files + "Groups.ung").toStdString());
    QVERIFY(groups.size() >= 43); // every group, those past the buttons too
    for (const std::string& group : groups) {
        const QString name = QString::fromStdString(group).toHtmlEscaped();
        QVERIFY2(page.contains("</a>" + name + "</h2>"), qPrintable(name));
        for (const std::string& unit : ReadTextLines(files.toStdString() + group + ".uns"))
            QVERIFY2(
                page.contains("<tr><td>" + QString::fromStdString(unit).toHtmlEscaped() + "</td>"),
                unit.c_str());
    }
}

void TestHelpViewer::helpKeyAndButtons_data() {
    QTest::addColumn<QString>("window"); // how it is opened
    QTest::addColumn<QString>("action"); // F1, or the button pressed
    QTest::addColumn<QString>("topic");
    QTest::addRow("main window, F1") << "main"
                                     << "F1"
                                     << "main.html";
    QTest::addRow("main window, F1 in a menu") << "menu"
                                               << "F1"
                                               << "main.html";
    QTest::addRow("main window, F1 in a picker's list") << "picker list"
                                                        << "F1"
                                                        << "main.html";
    QTest::addRow("main window, Help button") << "main"
                                              << "obHelp"
                                              << "index.html";
    QTest::addRow("main window, Contents") << "main"
                                           << "Contents1"
                                           << "index.html";
    QTest::addRow("units list, F1") << "SpeedButton2"
                                    << "F1"
                                    << "unitslist.html";
    QTest::addRow("units list, Help") << "SpeedButton2"
                                      << "bbHelp"
                                      << "unitslist.html";
    QTest::addRow("find dialog, F1") << "bbFind"
                                     << "F1"
                                     << "unitslist.html";
    QTest::addRow("find dialog, Help") << "bbFind"
                                       << "bbHelp"
                                       << "unitslist.html";
    QTest::addRow("report, F1") << "obReport"
                                << "F1"
                                << "report.html";
    QTest::addRow("report, Help") << "obReport"
                                  << "bbHelp"
                                  << "report.html";
    QTest::addRow("About box, F1") << "About1"
                                   << "F1"
                                   << "";
}

void TestHelpViewer::helpKeyAndButtons() {
    QFETCH(QString, window);
    QFETCH(QString, action);
    QFETCH(QString, topic);
    fixture_.Start();
    QWidget* shown = &fixture_.Main();
    if (window == "menu" || window == "picker list") {
        // opened below, once the main window is active
    } else if (window == "About1") {
        fixture_.Find<QAction>(&fixture_.Main(), "About1")->trigger();
        shown = QApplication::activeModalWidget();
    } else if (window != "main") {
        QTest::mouseClick(fixture_.Find<QToolButton>(&fixture_.Main(), window == "bbFind"
                                                                           ? "SpeedButton2"
                                                                           : qPrintable(window)),
                          Qt::LeftButton);
        shown = QApplication::activeModalWidget();
        if (window == "bbFind") {
            QTest::mouseClick(fixture_.Find<QPushButton>(shown, "bbFind"), Qt::LeftButton);
            shown = fixture_.Find<QWidget>(shown, "fdFind");
        }
    }
    QVERIFY(shown && shown->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    shown->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QWidget* keyTarget = QApplication::focusWidget() ? QApplication::focusWidget() : shown;
    if (window == "menu") {
        auto* menu = fixture_.Find<QMenu>(shown, "miEdit");
        menu->popup(shown->mapToGlobal(QPoint(20, 20)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        keyTarget = menu;
    } else if (window == "picker list") {
        fixture_.Picker("cb1")->showPopup();
        keyTarget = fixture_.Picker("cb1")->view();
        QTRY_VERIFY(keyTarget->isVisible());
    }
    if (action == "F1")
        QTest::keyClick(keyTarget, Qt::Key_F1);
    else if (action == "Contents1")
        fixture_.Find<QAction>(shown, "Contents1")->trigger();
    else
        QTest::mouseClick(fixture_.Find<QAbstractButton>(shown, qPrintable(action)),
                          Qt::LeftButton);
    QCOMPARE(fixture_.Topic(), topic);
}

void TestHelpViewer::helpKeyFollowsFocusedPart_data() {
    QTest::addColumn<int>("window");
    QTest::addColumn<int>("page"); // 0: the page carries no context of its own
    QTest::addColumn<QString>("topic");
    QTest::addRow("the window's own") << int(hcPreferencesGroups) << 0 << "groups.html";
    QTest::addRow("the focused page's")
        << int(hcPreferencesGroups) << int(hcPreferencesUnits) << "unitspage.html";
    QTest::addRow("a number without topic: contents") << 4711 << 0 << "index.html";
    QTest::addRow("no context: nothing") << 0 << 0 << "";
}

void TestHelpViewer::helpKeyFollowsFocusedPart() {
    QFETCH(int, window);
    QFETCH(int, page);
    QFETCH(QString, topic);
    fixture_.Start();
    QWidget form;
    auto* part = new QWidget(&form);
    auto* edit = new QLineEdit(part);
    if (window)
        SetHelpContext(&form, window);
    if (page)
        SetHelpContext(part, page);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_F1);
    QCOMPARE(fixture_.Topic(), topic);
}

void TestHelpViewer::helpWindowNavigates() {
    fixture_.Start();
    HelpViewer& help = fixture_.ProgramUnderTest().Help();
    help.ShowContext(hcMainWindow);
    help.ShowContext(hcUnitsList);
    QWidget* window = HelpWindow();
    QVERIFY(window);
    auto click = [&](const char* name) {
        QTest::mouseClick(fixture_.Find<QToolButton>(window, name), Qt::LeftButton);
        return fixture_.Topic();
    };
    QCOMPARE(click("btBack"), QString("main.html"));
    QCOMPARE(click("btForward"), QString("unitslist.html"));
    QCOMPARE(click("btHome"), QString("main.html"));
    // A link inside a topic opens its page; the contents tree marks the page shown.
    auto* browser = fixture_.Find<QTextBrowser>(window, "HelpBrowser");
    emit browser->anchorClicked(QUrl("report.html"));
    QCOMPARE(fixture_.Topic(), QString("report.html"));
    // A web address goes to the desktop's browser, and the topic stays.
    UrlCatcher desktop;
    QDesktopServices::setUrlHandler("https", &desktop, "Open");
    emit browser->anchorClicked(QUrl("https://quorvel.org/"));
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(desktop.opened, QList<QUrl>{QUrl("https://quorvel.org/")});
    QCOMPARE(fixture_.Topic(), QString("report.html"));
    // The topic wears the manual's style sheet: its heading is not in the plain text colour.
    QTextCursor heading(browser->document()->begin());
    heading.movePosition(QTextCursor::NextCharacter);
    QVERIFY(heading.charFormat().foreground().color() != browser->palette().color(QPalette::Text));
    auto* contents = fixture_.Find<QTreeView>(window, "HelpContents");
    QTRY_COMPARE(contents->currentIndex().data().toString(), QString("The report"));
    // A click on a contents entry opens its page, and the entry stays marked.
    const QModelIndex keys = contents->model()->index(10, 0, contents->model()->index(0, 0));
    QCOMPARE(keys.data().toString(), QString("Keyboard shortcuts"));
    QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                      contents->visualRect(keys).center());
    QCOMPARE(fixture_.Topic(), QString("keys.html"));
    QCOMPARE(contents->currentIndex(), keys);
    // F1 in the help window opens nothing more.
    window->activateWindow();
    QTest::keyClick(browser, Qt::Key_F1);
    QCOMPARE(fixture_.Topic(), QString("keys.html"));
}

void TestHelpViewer::helpWindowWorksBesideModalWindow() {
    fixture_.Start();
    fixture_.ProgramUnderTest().Help().ShowContext(hcMainWindow);
    QTest::mouseClick(fixture_.Find<QToolButton>(&fixture_.Main(), "obReport"), Qt::LeftButton);
    QWidget* report = QApplication::activeModalWidget();
    QVERIFY(report);
    QTest::mouseClick(fixture_.Find<QPushButton>(report, "bbHelp"), Qt::LeftButton);
    QCOMPARE(fixture_.Topic(), QString("report.html"));
    // The modal report must not block the help window: a click through the window system.
    QWidget* back = fixture_.Find<QToolButton>(HelpWindow(), "btBack");
    QTest::mouseClick(HelpWindow()->windowHandle(), Qt::LeftButton, {},
                      back->mapTo(HelpWindow(), back->rect().center()));
    QCOMPARE(fixture_.Topic(), QString("main.html"));
}

void TestHelpViewer::unusableHelpFileOpensNothing_data() {
    QTest::addColumn<QString>("helpFile");
    QTest::addColumn<QByteArray>("bytes"); // written to the file first, unless null
    QTest::addRow("no file name") << "" << QByteArray();
    QTest::addRow("missing file") << "Missing.qch" << QByteArray();
    QTest::addRow("empty file") << "Help.qch" << QByteArray("");
    QTest::addRow("not a help file") << "Help.qch" << QByteArray("<html>not compiled</html>");
    QTest::addRow("a folder") << "Files" << QByteArray();
}

void TestHelpViewer::unusableHelpFileOpensNothing() {
    QFETCH(QString, helpFile);
    QFETCH(QByteArray, bytes);
    fixture_.Start();
    if (!bytes.isNull()) {
        QFile::remove(fixture_.Path(helpFile));
        test::WriteBytes(fixture_.Path(helpFile), bytes);
    }
    HelpViewer& help = fixture_.ProgramUnderTest().Help();
    help.SetHelpFile(helpFile);
    messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(Collect);
    help.ShowContents();
    const bool handled = help.ShowContext(hcMainWindow);
    fixture_.Main().activateWindow();
    QTest::keyClick(&fixture_.Main(), Qt::Key_F1);
    qInstallMessageHandler(previous);
    QVERIFY(handled);
    QCOMPARE(fixture_.Topic(), QString());
    QVERIFY(!HelpWindow());
    QCOMPARE(messages, QStringList());
}

void TestHelpViewer::destroyingClosesHelpWindow() {
    fixture_.Start();
    auto help = std::make_unique<HelpViewer>();
    help->SetHelpFile("Help.qch");
    help->ShowContents();
    QPointer<QWidget> window = HelpWindow();
    QVERIFY(window && window->isVisible());
    help.reset();
    QVERIFY(window.isNull());
}

// Opened, the engine reads the manual's contents and index in threads of its own; destroyed right
// after, while they may still read, it must not free what they use. The test runs with freed
// memory overwritten (MALLOC_PERTURB_), so a reader that goes on crashes it within these
// openings most of the time.
void TestHelpViewer::destroyedWhileReadingTheManual() {
    fixture_.Start();
    for (int k = 0; k < 500; ++k) {
        HelpViewer help;
        help.SetHelpFile("Help.qch");
        help.ShowContents();
        QVERIFY(HelpWindow());
        QCoreApplication::processEvents(); // the engine starts its readers from its event
    }
}

void TestHelpViewer::aboutBoxCloses_data() {
    QTest::addColumn<QString>("how");
    QTest::addRow("OK") << "OK";
    QTest::addRow("Enter") << "Enter";
    QTest::addRow("Enter on a link") << "Enter on a link";
    QTest::addRow("close box") << "close box";
}

void TestHelpViewer::aboutBoxCloses() {
    QFETCH(QString, how);
    QPointer<AboutDialog> about = OpenAbout();
    QVERIFY(about && about->isVisible());
    QPointer<CreditsPanel> credits = fixture_.Find<CreditsPanel>(about, "spAbout");
    QVERIFY(credits->IsScrolling());
    QCOMPARE(credits->palette().color(QPalette::Window), QColor(Qt::black));
    QCOMPARE(credits->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    QVERIFY(credits->Lines().contains("version " QUORVEL_VERSION));
    if (how == "OK") {
        QTest::mouseClick(fixture_.Find<QPushButton>(about, "obOK"), Qt::LeftButton);
    } else if (how == "Enter on a link") {
        QWidget* link = fixture_.Find<QLabel>(about, "RxlbURL");
        link->setFocus();
        QTest::keyClick(link, Qt::Key_Return);
    } else if (how == "Enter") {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    } else {
        about->close();
    }
    QVERIFY(!credits || !credits->IsScrolling());
    QTRY_VERIFY(about.isNull()); // destroyed once closed
}

void TestHelpViewer::aboutLinks_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("address");
    QTest::addRow("home page") << "RxlbURL"
                               << "https://quorvel.org/"
                               << "https://quorvel.org/";
    QTest::addRow("mail") << "RxlbMail"
                          << "info@quorvel.org"
                          << "mailto:info@quorvel.org";
}

void TestHelpViewer::aboutLinks() {
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(QString, address);
    UrlCatcher catcher;
    for (const char* scheme : {"https", "mailto"})
        QDesktopServices::setUrlHandler(scheme, &catcher, "Open");
    QPointer<AboutDialog> about = OpenAbout();
    auto* link = fixture_.Find<QLabel>(about, qPrintable(label));
    const QColor navy(0, 0, 128);
    QCOMPARE(link->palette().color(QPalette::WindowText), navy);
    QVERIFY(link->font().bold() && link->font().underline());
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), link->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(link, &enter);
    const QColor hover = link->palette().color(QPalette::WindowText); // a red that reads well
    QVERIFY2(hover.hue() == 0 && hover.saturation() == 255, qPrintable(hover.name()));
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    QCOMPARE(link->palette().color(QPalette::WindowText), navy);
    QCOMPARE(link->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseClick(link, Qt::LeftButton);
    for (const char* scheme : {"https", "mailto"})
        QDesktopServices::unsetUrlHandler(scheme);
    QCOMPARE(catcher.opened, QList<QUrl>({QUrl(address)}));
    QCOMPARE(link->text(), text);
}

void TestHelpViewer::creditsScrollWithoutEnd() {
    CreditsPanel panel;
    panel.SetLines({"Quorvel", "version 2.0", "last line"});
    panel.setFixedSize(120, 60);
    QPalette colours = panel.palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::white);
    panel.setPalette(colours);
    const QImage start = panel.grab().toImage();
    int steps = 0;
    bool textShown = false;
    do {
        panel.Step();
        ++steps;
        if (steps == 60)
            textShown = panel.grab().toImage() != start;
    } while (panel.Offset() != 0 && steps < 10000);
    QVERIFY(textShown);
    QVERIFY(steps > 60 && steps < 10000); // the last line leaves the top, then it starts again
    QCOMPARE(panel.grab().toImage(), start);
    panel.Start();
    QTRY_VERIFY(panel.Offset() > 0);
}

QUORVEL_PROGRAM_TEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
