// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include <QByteArray>

namespace testsupport {

/// Engine texts as QByteArray, so QCOMPARE prints them on a mismatch.
inline QByteArray bytes(std::string_view text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace testsupport
