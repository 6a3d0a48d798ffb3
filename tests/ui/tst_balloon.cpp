// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The error hint balloon: its size and place, its window's and the desktop's edges, and what
// closes it.

#include "ui/shared/balloon.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <functional>
#include <memory>

using namespace quorvel;

namespace {

// Raises the balloon from its own press handlers and leaves the press to its parents, as a
// keypad panel that acts on mouse-down may.
class RaisingWidget : public QWidget {
public:
    std::function<void()> raiseBalloon;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        raiseBalloon();
        event->ignore();
    }
    void keyPressEvent(QKeyEvent* event) override {
        raiseBalloon();
        event->ignore();
    }
};

constexpr int WrapFlags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;

QRect TextRect(const QWidget& balloon, const QString& text) {
    return QFontMetrics(balloon.font()).boundingRect(QRect(0, 0, 298, 0), WrapFlags, text);
}

} // namespace

class TestBalloon : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void oneLineIsAsWideAsItsText();
    void longTextWrapsWithin298Pixels();
    void textIsShownAsItself_data();
    void textIsShownAsItself();
    void balloonStaysInItsWindowAndOnTheDesktop_data();
    void balloonStaysInItsWindowAndOnTheDesktop();
    void controlTakesTheFocus();
    void movesAndReleasesDoNotClose();
    void keyPressClosesAndReachesTheFocusedControl();
    void mousePressClosesAndReachesItsTarget();
    void anotherWindowOpeningOverItClosesIt();
    void secondMessageReplacesTheFirst();
    void pressThatRaisedDoesNotClose_data();
    void pressThatRaisedDoesNotClose();
    void noControlIsAnError();

private:
    void Show(QWidget* control, const QString& text) { balloon_->ShowUnder(control, text); }

    std::unique_ptr<ErrorBalloon> balloon_;
    std::unique_ptr<QWidget> window_;
    QLineEdit* edit_ = nullptr;
    QPushButton* button_ = nullptr;
};

void TestBalloon::init() {
    balloon_ = std::make_unique<ErrorBalloon>();
    window_ = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window_.get());
    edit_ = new QLineEdit;
    button_ = new QPushButton("Press");
    layout->addWidget(edit_);
    layout->addWidget(button_);
    window_->setGeometry(100, 100, 300, 120);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void TestBalloon::cleanup() {
    balloon_.reset();
    window_.reset();
}

void TestBalloon::oneLineIsAsWideAsItsText() {
    const QString text = "Not a number";
    Show(edit_, text);
    const QRect measured = TextRect(*balloon_, text);
    QVERIFY(balloon_->isVisible());
    QCOMPARE(balloon_->width(), measured.width() + 6);
    QCOMPARE(balloon_->height(), measured.height() + 8);
    QCOMPARE(balloon_->pos(), edit_->mapToGlobal(QPoint(6, edit_->height() + 1)));
    QCOMPARE(balloon_->windowTitle(), text);
}

void TestBalloon::longTextWrapsWithin298Pixels() {
    const QString text = QString("The temperature cannot be lower than that ").repeated(4);
    Show(edit_, text);
    const int lineHeight = QFontMetrics(balloon_->font()).height();
    QVERIFY(balloon_->width() <= 298 + 6);
    QVERIFY(balloon_->width() > 200);
    QVERIFY(balloon_->height() >= 2 * lineHeight + 8);
}

void TestBalloon::textIsShownAsItself_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addRow("ampersand") << "R&D"
                               << "R&D";
    QTest::addRow("control characters escaped") << "'\x1b[2J\t' is not a unit"
                                                << "'\\x1b[2J\\x09' is not a unit";
}

void TestBalloon::textIsShownAsItself() {
    QFETCH(QString, text);
    QFETCH(QString, shown);
    Show(edit_, text);
    QCOMPARE(balloon_->windowTitle(), shown);
    QCOMPARE(balloon_->width(), TextRect(*balloon_, shown).width() + 6);
}

void TestBalloon::balloonStaysInItsWindowAndOnTheDesktop_data() {
    QTest::addColumn<QPoint>("corner"); // where the window goes, from the desktop's far corner
    QTest::addRow("near the bottom") << QPoint(-600, -60);
    QTest::addRow("near the right edge") << QPoint(-80, -500);
    QTest::addRow("under the window's last control") << QPoint(-600, -500);
}

// Within the window as far as the window lies on the desktop, and above the control where the
// window has no room below it.
void TestBalloon::balloonStaysInItsWindowAndOnTheDesktop() {
    QFETCH(QPoint, corner);
    const QRect desktop = window_->screen()->virtualGeometry();
    window_->setGeometry(QRect(desktop.bottomRight() + corner, QSize(360, 120)));
    QTest::qWait(20);
    Show(button_, "A message that needs some room on the screen, on two lines or more");
    QVERIFY(desktop.contains(balloon_->geometry()));
    if (!desktop.contains(window_->geometry()))
        return;
    QVERIFY(window_->geometry().contains(balloon_->geometry()));
    QVERIFY(
        !balloon_->geometry().intersects(QRect(button_->mapToGlobal(QPoint()), button_->size())));
}

void TestBalloon::controlTakesTheFocus() {
    edit_->setFocus();
    Show(button_, "Message");
    QCOMPARE(QApplication::focusWidget(), button_);
    QVERIFY(!balloon_->isActiveWindow());
}

void TestBalloon::movesAndReleasesDoNotClose() {
    Show(edit_, "Message");
    QTest::mouseMove(button_);
    QTest::mouseRelease(button_, Qt::LeftButton);
    QTest::keyRelease(edit_, Qt::Key_A);
    QVERIFY(balloon_->isVisible());
    QVERIFY(balloon_->IsWatching());
}

void TestBalloon::keyPressClosesAndReachesTheFocusedControl() {
    Show(edit_, "Message");
    QTest::keyClick(edit_, Qt::Key_X);
    QVERIFY(!balloon_->isVisible());
    QVERIFY(!balloon_->IsWatching());
    QCOMPARE(edit_->text(), QString("x"));
}

void TestBalloon::mousePressClosesAndReachesItsTarget() {
    QSignalSpy clicked(button_, &QPushButton::clicked);
    Show(edit_, "Message");
    QTest::mouseClick(button_, Qt::LeftButton);
    QVERIFY(!balloon_->isVisible());
    QCOMPARE(clicked.count(), 1);
}

// As a window that a screen reader's action opens, without a press.
void TestBalloon::anotherWindowOpeningOverItClosesIt() {
    Show(edit_, "Message");
    QWidget other;
    other.show();
    QVERIFY(!balloon_->isVisible());
    QVERIFY(!balloon_->IsWatching());
}

void TestBalloon::secondMessageReplacesTheFirst() {
    Show(edit_, "First");
    Show(button_, "Second, longer message");
    QCOMPARE(balloon_->windowTitle(), QString("Second, longer message"));
    QCOMPARE(balloon_->pos(), button_->mapToGlobal(QPoint(6, button_->height() + 1)));
    QTest::keyClick(button_, Qt::Key_Space);
    QVERIFY(!balloon_->isVisible());
    QVERIFY(!balloon_->IsWatching());
    // Once closed, further presses pass as before: nothing is left watching.
    QTest::keyClick(edit_, Qt::Key_Y);
    QCOMPARE(edit_->text(), QString("y"));
}

void TestBalloon::pressThatRaisedDoesNotClose_data() {
    QTest::addColumn<bool>("mouse");
    QTest::addRow("mouse press left unaccepted") << true;
    QTest::addRow("key press ignored") << false;
}

void TestBalloon::pressThatRaisedDoesNotClose() {
    QFETCH(bool, mouse);
    auto* raiser = new RaisingWidget;
    raiser->raiseBalloon = [this] { Show(edit_, "Raised"); };
    window_->layout()->addWidget(raiser);
    if (mouse)
        QTest::mouseClick(raiser, Qt::LeftButton);
    else
        QTest::keyClick(raiser, Qt::Key_A);
    QVERIFY(balloon_->isVisible()); // the press passed on to the window left it alone
    QTest::keyClick(edit_, Qt::Key_X);
    QVERIFY(!balloon_->isVisible()); // the next press closes it
}

void TestBalloon::noControlIsAnError() {
    QVERIFY_THROWS_EXCEPTION(EBalloonError, balloon_->ShowUnder(nullptr, "Message"));
    QVERIFY(!balloon_->isVisible());
}

QTEST_MAIN(TestBalloon)
#include "tst_balloon.moc"
