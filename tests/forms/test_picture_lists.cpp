#include <QTest>

class TestPictureLists : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeholder() {}
};

QTEST_GUILESS_MAIN(TestPictureLists)
#include "test_picture_lists.moc"
