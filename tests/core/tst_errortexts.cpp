#include "calc/errors.h"
#include "calc/numbertext.h"

#include <QTest>

using namespace quorvel;

// The texts of errors a user may read: whole where short, cut to a readable length where long.
class TestErrorTexts : public QObject {
    Q_OBJECT

private slots:
    void parseErrorQuotesAReadableText_data();
    void parseErrorQuotesAReadableText();
};

void TestErrorTexts::parseErrorQuotesAReadableText_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("quoted");
    QTest::addRow("short text whole") << QByteArray("1 234") << QByteArray("1 234");
    QTest::addRow("40 characters whole") << QByteArray(40, 'x') << QByteArray(40, 'x');
    QTest::addRow("100 MB text cut") << QByteArray(100 << 20, 'x') << QByteArray(40, 'x') + "...";
    QTest::addRow("cut after a whole character")
        << QByteArray("\xC2\xB5").repeated(41) << QByteArray("\xC2\xB5").repeated(40) + "...";
}

void TestErrorTexts::parseErrorQuotesAReadableText() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, quoted);
    try {
        ParseNumberText(text.toStdString());
        QFAIL("no error");
    } catch (const EConvertError& error) {
        QCOMPARE(QByteArray(error.what()), "'" + quoted + "' is not a valid floating point value");
    }
}

QTEST_APPLESS_MAIN(TestErrorTexts)
#include "tst_errortexts.moc"
