// SPDX-License-Identifier: MIT
#include "shell/reading_export.h"

#include <algorithm>
#include <array>
#include <memory>

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QLocale>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTextDocument>
#include <QUrl>

#include "forms/fonts.h"
#include "forms/form_builder.h"
#include "forms/form_model.h"
#include "forms/picture_lists.h"
#include "forms/units.h"
#include "language/language.h"
#include "platform/services.h"
#include "platform/whole_file.h"
#include "reading/reading_text.h"
#include "shell/frm_display.h"
#include "shell/reading_command.h"
#include "site_config.h"

namespace shell {

namespace {

const QUrl kEmblem(QStringLiteral("dwellstar:emblem"));
const QUrl kSwatch(QStringLiteral("dwellstar:swatch"));
// Pixels at 96 dots per inch, as the window shows them: the emblem a little smaller, so that
// the longest reading still fits its page at full size.
constexpr int kEmblemSize = 150;
constexpr int kSwatchSize = 16;
constexpr qreal kMarginMm = 15.0;

struct ReadingExport {
    Q_DECLARE_TR_FUNCTIONS(ReadingExport)
};

QString html(std::string_view text) {
    return forms::toQString(text).toHtmlEscaped();
}

QString image(const QUrl& url, int size) {
    return QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%2\">")
        .arg(url.toString(), QString::number(size));
}

QString attributeTable(const ReadingSheet& sheet) {
    QString rows;
    for (const auto& [source, heading, value] :
         reading::attributes(*sheet.reading.profile, language::wording())) {
        QString cell = html(value);
        if (source == "Preferred Colors" && !sheet.swatch.isNull())
            cell += QStringLiteral("&nbsp;&nbsp;") + image(kSwatch, kSwatchSize);
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(html(heading), cell);
    }
    return QStringLiteral("<table cellpadding=\"3\" cellspacing=\"0\">%1</table>").arg(rows);
}

QString documentHtml(const ReadingSheet& sheet) {
    QString body = QStringLiteral("<h1>%1</h1><p>")
                       .arg(language::readingWord(sheet.reading.signName).toHtmlEscaped());
    for (const std::string& line : reading::personLines(sheet.details, language::wording()))
        body += html(line) + QStringLiteral("<br>");
    body += QStringLiteral("</p>");
    if (const reading::SignProfile* profile = sheet.reading.profile) {
        const QString picture = sheet.emblem.isNull() ? QString() : image(kEmblem, kEmblemSize);
        body += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\"><tr>"
                               "<td valign=\"top\" style=\"padding-right: 24px\">%1</td>"
                               "<td valign=\"top\">%2</td></tr></table>")
                    .arg(picture, attributeTable(sheet));
        for (const auto& [source, heading, text] : reading::texts(*profile, language::wording())) {
            QString paragraph = html(text);
            paragraph.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
            body += QStringLiteral("<h3>%1</h3><p>%2</p>").arg(html(heading), paragraph);
        }
    }
    body += QStringLiteral("<p style=\"color: #606060\"><br>%1</p>")
                .arg(QStringLiteral(DWELLSTAR_CAPTION).toHtmlEscaped());
    return body;
}

/// The text's contents laid out as a document: the sign as the title, the pictures, the
/// attributes as a table and the texts as paragraphs.
std::unique_ptr<QTextDocument> readingDocument(const ReadingSheet& sheet) {
    auto document = std::make_unique<QTextDocument>();
    // The window's face: Verdana, or the substitute installed for it.
    QFont font(forms::installedFace(forms::toQString(forms::kVerdana)));
    font.setPointSizeF(9.0);
    // Ligatures would reach the clipboard of whoever copies from the PDF as "ﬁ" for "fi".
    font.setStyleStrategy(QFont::PreferNoShaping);
    document->setDefaultFont(font);
    document->addResource(QTextDocument::ImageResource, kEmblem, sheet.emblem);
    document->addResource(QTextDocument::ImageResource, kSwatch, sheet.swatch);
    document->setHtml(documentHtml(sheet));
    return document;
}

/// On the device's first page, shrunk to fit if it is too long for it.
void paintOnOnePage(QTextDocument& document, QPagedPaintDevice& device) {
    // Laid out in the device's own pixels, so that points and pictures keep their size on paper.
    document.documentLayout()->setPaintDevice(&device);
    const QSizeF page(device.width(), device.height());
    document.setTextWidth(page.width());
    qreal scale = 1.0;
    if (document.size().height() > page.height()) {
        scale = page.height() / document.size().height();
        // Wider before shrinking, so that the lines still fill the page's width.
        document.setTextWidth(page.width() / scale);
    }
    QPainter painter(&device);
    painter.scale(scale, scale);
    document.drawContents(&painter);
}

/// Letter where the locale's country uses it, A4 elsewhere.
QPageSize::PageSizeId pageSizeFor(const QLocale& locale) {
    static constexpr std::array kLetter = {
        QLocale::UnitedStates, QLocale::Canada,           QLocale::Mexico,
        QLocale::PuertoRico,   QLocale::Philippines,      QLocale::Chile,
        QLocale::Colombia,     QLocale::Venezuela,        QLocale::CostaRica,
        QLocale::Guatemala,    QLocale::ElSalvador,       QLocale::Nicaragua,
        QLocale::Panama,       QLocale::DominicanRepublic};
    const bool letter =
        std::find(kLetter.begin(), kLetter.end(), locale.territory()) != kLetter.end();
    return letter ? QPageSize::Letter : QPageSize::A4;
}

QStringList saveFilters() {
    return {ReadingExport::tr("PDF document (*.pdf)"), ReadingExport::tr("PNG picture (*.png)"),
            ReadingExport::tr("Plain text (*.txt)")};
}

QString proposedFileName(const ReadingSheet& sheet) {
    reading::BirthDetails firstAndLast = sheet.details;
    firstAndLast.middleName.clear();
    //: The name a saved reading is offered under: the sign, then the first and last name.
    return ReadingExport::tr("%1 reading - %2.pdf")
        .arg(language::readingWord(sheet.reading.signName),
             QString::fromStdString(reading::fullName(firstAndLast)));
}

QByteArray pdf(const ReadingSheet& sheet) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(
        ReadingExport::tr("%1 reading").arg(language::readingWord(sheet.reading.signName)));
    writer.setCreator(QStringLiteral(DWELLSTAR_CAPTION));
    writer.setPageSize(QPageSize(pageSizeFor(QLocale())));
    writer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                          QPageLayout::Millimeter);
    paintOnOnePage(*readingDocument(sheet), writer);
    return buffer.data();
}

/// The result window as it shows the reading.
QImage picture(const ReadingSheet& sheet, QWidget* window) {
    if (window)
        return window->grab().toImage();
    const std::unique_ptr<QWidget> made = forms::buildWindow(forms::frmDisplay());
    const forms::PictureList signs(forms::sunSignPictures(), made.get());
    const forms::PictureList colors(forms::colorPictures(), made.get());
    applyReading(sheet.reading, frmDisplay::lookUp(*made), signs, colors);
    return made->grab().toImage();
}

/// The file's contents in `bytes`; else why there are none.
QString encode(QByteArray& bytes, FileFormat format, const ReadingSheet& sheet, QWidget* window) {
    switch (format) {
    case FileFormat::Png: {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        return writer.write(picture(sheet, window)) ? QString() : writer.errorString();
    }
    case FileFormat::Text:
        bytes = readingText(sheet).toUtf8();
        return {};
    case FileFormat::Pdf:
        break;
    }
    bytes = pdf(sheet);
    return {};
}

} // namespace

SaveTarget saveTargetFor(const QString& typed) {
    const QString suffix = QFileInfo(typed).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return {typed, FileFormat::Png};
    if (suffix == QLatin1String("txt"))
        return {typed, FileFormat::Text};
    if (suffix == QLatin1String("pdf"))
        return {typed, FileFormat::Pdf};
    return {typed + QStringLiteral(".pdf"), FileFormat::Pdf};
}

ReadingSheet readingSheet(const reading::Reading& shown, const reading::BirthDetails& details) {
    ReadingSheet sheet{shown, details, {}, {}};
    if (shown.profile) {
        sheet.emblem =
            forms::pictureAt(forms::sunSignPictures(), shown.profile->signPicture).toImage();
        sheet.swatch =
            forms::pictureAt(forms::colorPictures(), shown.profile->colorSwatch).toImage();
    }
    return sheet;
}

QString readingText(const ReadingSheet& sheet) {
    return QString::fromStdString(
        reading::readingText(sheet.reading, sheet.details, DWELLSTAR_CAPTION, language::wording()));
}

bool saveReading(const SaveTarget& target, const ReadingSheet& sheet, QWidget* window) {
    QByteArray bytes;
    QString reason = encode(bytes, target.format, sheet, window);
    if (reason.isEmpty())
        reason = platform::writeWholeFile(target.path, bytes);
    if (reason.isEmpty())
        return true;
    platform::showMessage(ReadingExport::tr("The reading could not be saved as \"%1\".\n\n%2")
                              .arg(QDir::toNativeSeparators(target.path), reason),
                          platform::MessageIcon::Error);
    return false;
}

void copyReading(const ReadingSheet& sheet) {
    QGuiApplication::clipboard()->setText(readingText(sheet));
}

void saveReadingAs(const ReadingSheet& sheet, QWidget& window) {
    const platform::FileRequest request{
        ReadingExport::tr("Save Reading"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        proposedFileName(sheet), saveFilters(), QStringLiteral("pdf")};
    const QString typed = platform::saveFileName(request);
    if (typed.isEmpty())
        return;
    const SaveTarget target = saveTargetFor(typed);
    // The dialog asked about the name it was given; a name it never saw is asked about here.
    if (target.path != typed && QFileInfo::exists(target.path) &&
        platform::ask(ReadingExport::tr("\"%1\" already exists.\nDo you want to replace it?")
                          .arg(QDir::toNativeSeparators(target.path))) != platform::Answer::Yes)
        return;
    saveReading(target, sheet, &window);
}

void printReading(const ReadingSheet& sheet) {
    platform::print(
        [&sheet](QPagedPaintDevice& printer) { paintOnOnePage(*readingDocument(sheet), printer); });
}

} // namespace shell
