#include <QTest>

class TestBirthDetails : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeholder() {}
};

QTEST_GUILESS_MAIN(TestBirthDetails)
#include "test_birth_details.moc"
