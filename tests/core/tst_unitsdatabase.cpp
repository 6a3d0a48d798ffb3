#include <QTest>
class TestUnitsDatabase : public QObject { Q_OBJECT };
QTEST_APPLESS_MAIN(TestUnitsDatabase)
#include "tst_unitsdatabase.moc"
