#include <QTest>

class TestFormBuilder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeholder() {}
};

QTEST_GUILESS_MAIN(TestFormBuilder)
#include "test_form_builder.moc"
