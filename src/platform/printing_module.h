// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QPagedPaintDevice;

namespace platform {

using PagePainter = std::function<void(QPagedPaintDevice&)>;

/// The printing module's one entry point: asks for a printer and paints on it; false when the
/// user cancels.
using PrintEntry = bool (*)(const PagePainter* paint);
inline constexpr char kPrintEntryName[] = "dwellstarPrint";

} // namespace platform
