// SPDX-License-Identifier: MIT
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <optional>

#include <sys/resource.h>

#include "forms/picture_lists.h"
#include "forms/units.h"
#include "reading/reading_text.h"
#include "shell/reading_export.h"
#include "support/fakes.h"
#include "support/pdf.h"
#include "support/program.h"

using namespace Qt::StringLiterals;
using shell::ReadingSheet;

namespace {

QImage picture(std::span<const forms::PictureItem> list, int position) {
    return QImage(forms::toQString(list[static_cast<std::size_t>(position - 1)].resource));
}

/// ANNA MARIA SMITH, born 1 September 1985, with the sign's reading and pictures.
ReadingSheet sheetFor(const reading::SignProfile& p) {
    ReadingSheet sheet;
    sheet.reading = {std::string(p.name), &p};
    sheet.details.firstName = u"ANNA";
    sheet.details.middleName = u"MARIA";
    sheet.details.lastName = u"SMITH";
    sheet.details.month = 8;
    sheet.details.year = 1985;
    sheet.emblem = picture(forms::sunSignPictures(), p.signPicture);
    sheet.swatch = picture(forms::colorPictures(), p.colorSwatch);
    return sheet;
}

/// Every heading and value of the reading's text, as a reader of the PDF finds them.
QStringList textPieces(const ReadingSheet& sheet) {
    const QString text = QString::fromStdString(
        reading::readingText(sheet.reading, sheet.details, "KV Dwellstar v1.0"));
    QStringList pieces;
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts))
        pieces << line.split(u": "_s);
    pieces.removeAll(u"Sun Sign"_s); // the document's title says it
    return pieces;
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

/// Writes fail once a file holds this many bytes, as on a disk that has just filled up.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousSignal = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, m_previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousSignal);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    void (*m_previousSignal)(int) = nullptr;
};

} // namespace

class TestReadingExport : public QObject {
    Q_OBJECT

    testsupport::FakeServices m_fakes;
    QTemporaryDir m_folder;
    QWidget m_window;

private Q_SLOTS:
    void initTestCase() {
        testsupport::prepareProgram();
        QVERIFY(m_folder.isValid());
        m_window.resize(320, 200);
    }
    void init() {
        testsupport::resetProgram(m_fakes);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        QVERIFY(QDir(m_folder.path()).removeRecursively() && QDir().mkpath(m_folder.path()));
    }

    void pdfHoldsTheReading_data() {
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("pageSize");
        QTest::addColumn<QString>("longer"); // "traits": far longer than a page; "name": a little

        for (const reading::SignProfile& p : reading::catalogue()) {
            const QString sign = forms::toQString(p.name);
            QTest::addRow("%s, A4", qPrintable(sign))
                << sign << QLocale(u"en_GB"_s) << u"(A4)"_s << QString();
            QTest::addRow("%s, Letter", qPrintable(sign))
                << sign << QLocale(u"en_US"_s) << u"(letter)"_s << QString();
        }
        const QLocale a4(u"en_GB"_s);
        QTest::newRow("far longer than a page") << u"Leo"_s << a4 << u"(A4)"_s << u"traits"_s;
        QTest::newRow("a little longer than a page") << u"Leo"_s << a4 << u"(A4)"_s << u"name"_s;
        QTest::newRow("names in their own scripts") << u"Leo"_s << a4 << u"(A4)"_s << u"scripts"_s;
    }

    // One page of the locale's size holds the whole reading as text, even one too long for it,
    // shrunk onto it.
    void pdfHoldsTheReading() {
        QFETCH(QString, sign);
        QFETCH(QLocale, locale);
        QFETCH(QString, pageSize);
        QFETCH(QString, longer);

        QLocale::setDefault(locale);
        const QString path = m_folder.filePath(u"reading.pdf"_s);
        reading::SignProfile profile = *reading::lookUpProfile(sign.toStdString());
        const std::string traits =
            QString(u"Lorem ipsum "_s.repeated(3000) + u"LAST"_s).toStdString();
        if (longer == u"traits")
            profile.positiveTraits = traits;
        ReadingSheet sheet = sheetFor(profile);
        // About a third of a page of name: the reading runs onto a second page.
        if (longer == u"name")
            sheet.details.firstName = u"ANNA "_s.repeated(300).toStdU16String() + u"LAST";
        if (longer == u"scripts")
            sheet.details = {u"J\u00dcRGEN",
                             u"\u03a3\u039f\u03a6\u0399\u0391",
                             u"\u041f\u0415\u0422\u0420\u041e\u0412",
                             14,
                             7,
                             1990,
                             {},
                             {},
                             {}};
        QVERIFY(shell::saveReading({path, shell::FileFormat::Pdf}, sheet, &m_window));
        QCOMPARE(testsupport::pdfInfo(path, u"Pages"_s).toInt(), 1);
        QVERIFY2(testsupport::pdfInfo(path, u"Page size"_s).endsWith(pageSize),
                 qPrintable(testsupport::pdfInfo(path, u"Page size"_s)));
        const QString text = testsupport::unwrapped(testsupport::pdfText(path));
        for (const QString& piece : textPieces(sheet))
            QVERIFY2(text.contains(testsupport::unwrapped(piece)), qPrintable(piece.left(60)));
    }

    void failedSave_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QString>("reason"); // part of the reason given; empty: any reason

        const QString folder = m_folder.path();
        const int pdf = int(shell::FileFormat::Pdf);
        QTest::newRow("no such folder")
            << folder + u"/missing/r.pdf"_s << pdf << false << u"No such file or directory"_s;
        QTest::newRow("a folder's name")
            << folder << pdf << false << u"Filename refers to a directory"_s;
        QTest::newRow("disk full, pdf")
            << folder + u"/r.pdf"_s << pdf << true << u"File too large"_s;
        QTest::newRow("disk full, png")
            << folder + u"/r.png"_s << int(shell::FileFormat::Png) << true << u"File too large"_s;
        QTest::newRow("disk full, txt")
            << folder + u"/r.txt"_s << int(shell::FileFormat::Text) << true << u"File too large"_s;
    }

    // One error box names the file and the reason; nothing is left behind.
    void failedSave() {
        QFETCH(QString, path);
        QFETCH(int, format);
        QFETCH(bool, diskFull);
        QFETCH(QString, reason);

        bool saved = true;
        {
            const std::optional<FileSizeLimit> full =
                diskFull ? std::optional<FileSizeLimit>(std::in_place, 64) : std::nullopt;
            saved = shell::saveReading({path, shell::FileFormat(format)},
                                       sheetFor(*reading::lookUpProfile("Leo")), &m_window);
        }
        QVERIFY(!saved);
        QCOMPARE(m_fakes.dialogs.shown.size(), std::size_t{1});
        const testsupport::ShownMessage& shown = m_fakes.dialogs.shown.front();
        QCOMPARE(shown.icon, platform::MessageIcon::Error);
        const QStringList parts = shown.text.split(u"\n\n"_s);
        QCOMPARE(parts.size(), 2);
        QVERIFY2(parts.front().contains(u'"' + path + u'"'), qPrintable(shown.text));
        QVERIFY2(!parts.back().isEmpty() && parts.back().contains(reason), qPrintable(shown.text));
        QCOMPARE(entries(m_folder.path()), QStringList());
    }
};

QTEST_MAIN(TestReadingExport)
#include "test_reading_export.moc"
