#include <QTest>
class TestConversion : public QObject { Q_OBJECT };
QTEST_APPLESS_MAIN(TestConversion)
#include "tst_conversion.moc"
