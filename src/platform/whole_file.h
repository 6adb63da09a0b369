// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

namespace platform {

/// Writes the file whole or not at all: a kill, a full disk or a refusal leaves what was there.
/// `permissions`, if given, are the file's from its first byte. Empty when written, else why not.
QString writeWholeFile(const QString& path, const QByteArray& bytes,
                       QFileDevice::Permissions permissions = {});

} // namespace platform
