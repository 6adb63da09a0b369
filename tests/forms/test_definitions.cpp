#include <QTest>

class TestDefinitions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeholder() {}
};

QTEST_GUILESS_MAIN(TestDefinitions)
#include "test_definitions.moc"
