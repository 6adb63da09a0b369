// SPDX-License-Identifier: MIT
#include "support/pdf.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace testsupport {

namespace {

QString popplerOutput(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished() || process.exitCode() != 0) {
        QTest::qFail(qPrintable(tool + QStringLiteral(" failed (poppler-utils): ") +
                                process.errorString() +
                                QString::fromUtf8(process.readAllStandardError())),
                     __FILE__, __LINE__);
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

QString pdfText(const QString& path) {
    return popplerOutput(
        QStringLiteral("pdftotext"),
        {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
}

QString pdfInfo(const QString& path, const QString& field) {
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(field),
                                  QRegularExpression::MultilineOption);
    return line.match(popplerOutput(QStringLiteral("pdfinfo"), {path})).captured(1).trimmed();
}

QString unwrapped(QString text) {
    static const QRegularExpression breaks(QStringLiteral("[\\s\\-\\x{00AD}]"));
    return text.remove(breaks);
}

} // namespace testsupport
