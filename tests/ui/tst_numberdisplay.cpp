// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The number display widget: its text property, when it repaints, and how it draws.

#include "calc/errors.h"
#include "testsupport.h"
#include "widgets/numberdisplay.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace quorvel;
using quorvel::test::SeparatorScope;

namespace {

class CountingIndicator : public NumberDisplay {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        NumberDisplay::paintEvent(event);
    }
};

// The bounding box of the dark pixels of a rendered display between two columns.
QRect InkBox(const QImage& image, int fromX = 0, int toX = -1) {
    if (toX < 0)
        toX = image.width();
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = fromX; x < toX; ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

QImage Render(NumberDisplay& display) {
    QImage image(display.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    display.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

} // namespace

class TestNumberDisplay : public QObject {
    Q_OBJECT

private slots:
    void freshDisplayShowsTheSample();
    void textReadsWithoutGrouping();
    void groupingFollowsThouSepAtTheNextText();
    void sameTextDoesNotRepaint();
    void noNumberKeepsTheText();
    void plainTextIsRightAligned();
    void exponentIsRaised();
    void everyTextFitsTheWidth_data();
    void everyTextFitsTheWidth();
};

void TestNumberDisplay::freshDisplayShowsTheSample() {
    SeparatorScope scope(",", " ");
    NumberDisplay display;
    QCOMPARE(display.DisplayedText(), QString("-1,234567890000E-1226"));
    QCOMPARE(display.size(), QSize(145, 20));
    QVERIFY(display.GroupsThousands());
}

void TestNumberDisplay::textReadsWithoutGrouping() {
    SeparatorScope scope(",", " ");
    NumberDisplay display;
    display.SetText("1234567,5");
    QCOMPARE(display.DisplayedText(), QString("1 234 567,5"));
    QCOMPARE(display.Text(), QString("1234567,5"));
}

void TestNumberDisplay::groupingFollowsThouSepAtTheNextText() {
    SeparatorScope scope(".", ",");
    NumberDisplay display;
    display.SetText("1234567.5");
    display.SetGroupsThousands(false);
    QCOMPARE(display.DisplayedText(), QString("1,234,567.5"));
    display.SetText("7654321.5");
    QCOMPARE(display.DisplayedText(), QString("7654321.5"));
}

void TestNumberDisplay::sameTextDoesNotRepaint() {
    SeparatorScope scope(".", ",");
    CountingIndicator display;
    display.show();
    QVERIFY(QTest::qWaitForWindowExposed(&display));
    display.SetText("12");
    QTRY_VERIFY(display.paints > 0);
    QTest::qWait(50);
    display.paints = 0;
    display.SetText("12");
    QTest::qWait(50);
    QCOMPARE(display.paints, 0);
    display.SetText("13");
    QTRY_COMPARE(display.paints, 1);
}

void TestNumberDisplay::noNumberKeepsTheText() {
    SeparatorScope scope(".", ",");
    NumberDisplay display;
    display.SetText("5");
    QVERIFY_THROWS_EXCEPTION(EConvertError, display.SetText("kg"));
    QCOMPARE(display.DisplayedText(), QString("5"));
}

void TestNumberDisplay::plainTextIsRightAligned() {
    SeparatorScope scope(".", ",");
    NumberDisplay display;
    display.resize(200, 40);
    display.SetText("123");
    const QRect ink = InkBox(Render(display));
    QVERIFY(ink.isValid());
    QVERIFY2(ink.right() >= 200 - 4, qPrintable(QString::number(ink.right())));
    QVERIFY(ink.left() > 100);
}

void TestNumberDisplay::exponentIsRaised() {
    SeparatorScope scope(".", ",");
    NumberDisplay display;
    display.resize(300, 40);
    display.SetText("1E15");
    const QImage image = Render(display);
    const QFontMetrics metrics(display.font());
    const int exponentLeft = 300 - metrics.horizontalAdvance("+15");
    const QRect exponent = InkBox(image, exponentLeft);
    const QRect mantissa = InkBox(image, 0, exponentLeft - metrics.horizontalAdvance("10"));
    QVERIFY(exponent.isValid() && mantissa.isValid());
    // The mantissa and "10" start a third of a line below the exponent.
    QVERIFY2(mantissa.top() - exponent.top() >= metrics.height() / 4,
             qPrintable(QString("%1 %2").arg(mantissa.top()).arg(exponent.top())));
    QVERIFY(mantissa.right() < exponentLeft);
}

void TestNumberDisplay::everyTextFitsTheWidth_data() {
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("shrinks"); // whether the text needs a smaller font
    QTest::addRow("negative exponent 123") << 24 << 300 << "-1,5E123" << true;
    QTest::addRow("negative 1E20") << 24 << 300 << "-1E20" << true;
    QTest::addRow("negative exponent -4000") << 24 << 300 << "-1,5E-4000" << true;
    QTest::addRow("negative exponent 4900") << 24 << 300 << "-1E4900" << true;
    QTest::addRow("widest fixed text") << 24 << 240 << "-888888888888888,888" << true;
    QTest::addRow("everyday number keeps the font") << 24 << 300 << "-12,5" << false;
    QTest::addRow("large font, narrow display") << 60 << 200 << "-1,5E-4000" << true;
    QTest::addRow("room enough") << 10 << 400 << "-1,5E-4000" << false;
}

void TestNumberDisplay::everyTextFitsTheWidth() {
    QFETCH(int, pixelSize);
    QFETCH(int, width);
    QFETCH(QString, text);
    QFETCH(bool, shrinks);
    SeparatorScope scope(",", " ");
    NumberDisplay display;
    QFont font = display.font();
    font.setPixelSize(pixelSize);
    display.setFont(font);
    display.resize(width, 80);
    display.SetText(text);
    QVERIFY(display.DrawnTextWidth() <= width);
    QVERIFY2(InkBox(Render(display)).left() > 0, "the text is cut at the left edge");
    QCOMPARE(display.DrawingFont().pixelSize() < pixelSize, shrinks);
}

QTEST_MAIN(TestNumberDisplay)
#include "tst_numberdisplay.moc"
