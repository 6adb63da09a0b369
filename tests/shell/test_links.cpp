// SPDX-License-Identifier: MIT
#include <QTest>
#include <QTimer>

#include "shell/mod_help.h"
#include "shell/window_manager.h"
#include "shell_steps.h"
#include "site_config.h"
#include "support/fakes.h"
#include "support/program.h"
#include "support/widget_helpers.h"

using namespace Qt::StringLiterals;
using shell::WindowState;
using namespace shelltest;

namespace {

struct Opener {
    void (*open)();
    modHelp::Page page;
};

const Opener kOpeners[] = {
    {modHelp::OpenHomePage, modHelp::Page::Home},
    {modHelp::OpenSoftwaresPage, modHelp::Page::Softwares},
    {modHelp::OpenHelpPage, modHelp::Page::Help},
    {modHelp::OpenDownloadPage, modHelp::Page::Download},
    {modHelp::OpenDonatePage, modHelp::Page::Donate},
    {modHelp::OpenFullBrandPage, modHelp::Page::FullBrand},
    {modHelp::OpenCoBrandPage, modHelp::Page::CoBrand},
};
enum { Home, Softwares, Help, Download, Donate, FullBrand, CoBrand };

/// The root of a site reads the same with or without its slash.
QString address(QUrl url) {
    if (url.path().isEmpty())
        url.setPath(u"/"_s);
    return url.toString(QUrl::FullyEncoded);
}

QStringList openedAddresses(const std::vector<QUrl>& urls) {
    QStringList all;
    for (const QUrl& url : urls)
        all << address(url);
    return all;
}

/// What a link must leave alone: which windows exist and show, and what the user entered.
QStringList programState() {
    QStringList state{visibleWindows().join(u','), shell::loadedWindows().join(u',')};
    if (QWidget* input = shell::loadedWindow(kInput)) {
        for (const QString& name : {u"txtFirstName"_s, u"txtMiddleName"_s, u"txtLastName"_s,
                                    u"cboDate"_s, u"cboMonth"_s, u"cboYear"_s})
            state << textOf(input, name);
        state << frontBrandLabel(input);
    }
    if (QWidget* result = shell::loadedWindow(kResult))
        state << textOf(result, u"lblSunSign"_s);
    return state;
}

void activate(QWidget* window, const QString& control) {
    if (control.startsWith(u"mnu"))
        trigger(window, control);
    else
        testsupport::click(window, control);
}

} // namespace

class TestLinks : public QObject {
    Q_OBJECT

    testsupport::FakeServices m_fakes;

private Q_SLOTS:
    void initTestCase() { testsupport::prepareProgram(); }
    void init() { testsupport::resetProgram(m_fakes); }

    void addresses_data() {
        QTest::addColumn<int>("opener");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("path");

        const QString main = QStringLiteral(DWELLSTAR_MAIN_HOST);
        const QString help = QStringLiteral(DWELLSTAR_HELP_HOST);
        const QString product = QStringLiteral(DWELLSTAR_PRODUCT_HOST);
        QTest::newRow("home") << int(Home) << main << u"/"_s;
        QTest::newRow("softwares") << int(Softwares) << main << u"/velmorasoftwares"_s;
        QTest::newRow("help") << int(Help) << product << u"/kv-free-dwellstar-help.html"_s;
        QTest::newRow("download") << int(Download) << product
                                  << u"/download-kv-free-dwellstar.html"_s;
        QTest::newRow("donate") << int(Donate) << help << u"/donate.html"_s;
        QTest::newRow("full brand") << int(FullBrand) << help << u"/fully-branded.html"_s;
        QTest::newRow("co-brand") << int(CoBrand) << help << u"/co-brand.html"_s;
    }

    void addresses() {
        QFETCH(int, opener);
        QFETCH(QString, host);
        QFETCH(QString, path);
        const QString expected = u"https://"_s + host + path;

        const QUrl url = modHelp::pageAddress(kOpeners[opener].page);
        QVERIFY(url.isValid());
        QCOMPARE(url.scheme(), u"https"_s);
        QVERIFY(!url.hasQuery());
        QVERIFY(!url.hasFragment());
        QCOMPARE(address(url), expected);

        kOpeners[opener].open();
        kOpeners[opener].open();
        QCOMPARE(openedAddresses(m_fakes.urls.opened), (QStringList{expected, expected}));
        QCOMPARE(shell::loadedWindows(), QStringList());
    }

    void links_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("opener");

        const auto row = [](const QString& window, const char* control, int opener) {
            QTest::addRow("%s %s", qPrintable(window), control)
                << window << QString::fromLatin1(control) << opener;
        };
        for (const QString& window : {kInput, kResult}) {
            row(window, "Label61", Home);
            row(window, "lblCobrand", CoBrand);
            row(window, "lblFullBrand", FullBrand);
            row(window, "mnuOnline", Help);
            row(window, "mnuVisit", Home);
            row(window, "mnuUpdate", Download);
            row(window, "mnuDonate", Donate);
        }
        row(kInput, "Label2", FullBrand);
        row(kAbout, "lblHomePage", Home);
        row(kAbout, "lblCoBrand", FullBrand);
    }

    void links() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(int, opener);
        const QString expected = address(modHelp::pageAddress(kOpeners[opener].page));

        QWidget* input = openInputWindow();
        QTest::keyClicks(box(input, u"txtFirstName"_s), u"ANNA"_s);
        QWidget* target =
            window == kResult ? readingFor({.day = 9, .month = 9, .year = 1999}) : input;
        QVERIFY(target);
        const QStringList before = programState();

        if (window == kAbout) {
            bool ran = false;
            bool stayedOpen = false;
            QStringList openedMeanwhile;
            QTimer::singleShot(0, this, [&] {
                ran = true;
                QWidget* about = shell::loadedWindow(kAbout);
                if (!about)
                    return;
                activate(about, control);
                activate(about, control);
                openedMeanwhile = openedAddresses(m_fakes.urls.opened);
                stayedOpen = shell::loadedWindow(kAbout) == about && about->isVisible();
                shell::unload(kAbout);
            });
            trigger(input, u"mnuAbout"_s);
            QVERIFY(ran);
            QVERIFY(stayedOpen);
            QCOMPARE(openedMeanwhile, (QStringList{expected, expected}));
        } else {
            activate(target, control);
            activate(target, control);
        }
        testsupport::settle();

        QCOMPARE(openedAddresses(m_fakes.urls.opened), (QStringList{expected, expected}));
        QCOMPARE(programState(), before);
        QCOMPARE(m_fakes.dialogs.texts(), QStringList());
        QCOMPARE(m_fakes.process.ends, 0);
    }

    void makeMoneyCannotBePicked_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("input window") << kInput;
        QTest::newRow("result window") << kResult;
    }

    void makeMoneyCannotBePicked() {
        QFETCH(QString, window);
        openInputWindow();
        QWidget* target = window == kResult ? readingFor({.day = 1, .month = 1, .year = 1900})
                                            : shell::loadedWindow(kInput);
        QVERIFY(target);
        auto* item = target->findChild<QAction*>(u"mnumakemoney"_s);
        QVERIFY(item);
        QVERIFY(!item->isEnabled());
        item->trigger();
        QCOMPARE(m_fakes.urls.opened.size(), std::size_t{0});
    }
};

QTEST_MAIN(TestLinks)
#include "test_links.moc"
