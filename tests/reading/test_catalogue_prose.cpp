#include <QTest>

class TestCatalogueProse : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeholder() {}
};

QTEST_GUILESS_MAIN(TestCatalogueProse)
#include "test_catalogue_prose.moc"
