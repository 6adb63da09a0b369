#include <QTest>

class TestSunSign : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeholder() {}
};

QTEST_GUILESS_MAIN(TestSunSign)
#include "test_sun_sign.moc"
