#include <QTest>

class TestSignCatalogue : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeholder() {}
};

QTEST_GUILESS_MAIN(TestSignCatalogue)
#include "test_sign_catalogue.moc"
