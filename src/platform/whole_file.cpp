// SPDX-License-Identifier: MIT
#include "platform/whole_file.h"

#include <QSaveFile>

namespace platform {

namespace {

/// Qt 6.4 takes a short write for a whole one, and QSaveFile then commits a cut-off file: so
/// the file is unbuffered and the rest is written again until the system names its refusal.
bool writeAll(QSaveFile& file, const QByteArray& bytes) {
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace

QString writeWholeFile(const QString& path, const QByteArray& bytes,
                       QFileDevice::Permissions permissions) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    // Set on the temporary file, so that the file never stands with wider ones.
    if (permissions && !file.setPermissions(permissions))
        return file.errorString();
    // A file not committed is discarded when it goes.
    if (!writeAll(file, bytes) || !file.commit())
        return file.errorString();
    return {};
}

} // namespace platform
