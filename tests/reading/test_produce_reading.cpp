#include <QTest>

class TestProduceReading : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeholder() {}
};

QTEST_GUILESS_MAIN(TestProduceReading)
#include "test_produce_reading.moc"
