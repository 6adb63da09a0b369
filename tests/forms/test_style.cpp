// SPDX-License-Identifier: MIT
#include <memory>

#include <QApplication>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTest>

#include "forms/form_builder.h"
#include "forms/shared_pictures.h"
#include "forms/form_model.h"
#include "forms/style.h"

using namespace forms;

// The program's style only changes what Fusion caches, never what it draws.
class TestStyle : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void scrollBarLooksAsFusionDrawsIt_data() {
        QTest::addColumn<QColor>("back");
        QTest::newRow("theme colours") << QColor();
        QTest::newRow("black box") << QColor(Qt::black);
        QTest::newRow("plum box") << QColor(0x400040);
    }

    void scrollBarLooksAsFusionDrawsIt() {
        QFETCH(QColor, back);
        auto draw = [&](QStyle* style, bool enabled) {
            QScrollBar bar(Qt::Vertical);
            bar.setStyle(style);
            bar.setRange(0, 100);
            bar.setValue(30);
            bar.resize(17, 120);
            bar.setEnabled(enabled);
            if (back.isValid()) {
                QPalette palette = bar.palette();
                palette.setColor(QPalette::Window, back);
                palette.setColor(QPalette::Base, back);
                palette.setColor(QPalette::Button, back);
                bar.setPalette(palette);
            }
            return bar.grab().toImage();
        };
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        const std::unique_ptr<QStyle> program(createStyle());
        // Equal colours in another state, or in a palette of another identity: drawn as Fusion
        // draws them, not as the first palette of those colours was drawn.
        for (const bool enabled : {true, false, true, false})
            QCOMPARE(draw(program.get(), enabled), draw(fusion.get(), enabled));
    }

    void menuBarArrowIsStillThere() {
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        const std::unique_ptr<QStyle> program(createStyle());
        const QIcon arrow = program->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        const QIcon expected = fusion->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        QVERIFY(!arrow.isNull());
        QCOMPARE(arrow.pixmap(16).toImage(), expected.pixmap(16).toImage());
    }

    void everyWindowSharesTheProgramIcon() {
        const std::unique_ptr<QWidget> input = buildWindow(frmMain());
        const std::unique_ptr<QWidget> result = buildWindow(frmDisplay());
        QVERIFY(!programIcon().isNull());
        QCOMPARE(input->windowIcon().cacheKey(), programIcon().cacheKey());
        QCOMPARE(result->windowIcon().cacheKey(), programIcon().cacheKey());
    }
};

QTEST_MAIN(TestStyle)
#include "test_style.moc"
