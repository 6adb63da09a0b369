// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <string_view>

// Marks a text that the reader may see in another language. It stands for the text itself, as a
// std::string_view; the translation tools read it as Qt's QT_TRANSLATE_NOOP, and the program
// translates the text under the same context where it reaches the reader. The engine itself
// never translates.
#define READING_TR_NOOP(context, text) ::reading::marked(context, text)

namespace reading {

/// The context of every text the engine marks.
inline constexpr char kTranslationContext[] = "Reading";

/// The text of a mark, which must name the engine's context: a text marked under another is
/// looked up there and never found, so it would reach every reader in English.
consteval std::string_view marked(std::string_view context, std::string_view text) {
    if (context != kTranslationContext)
        throw "READING_TR_NOOP takes the context \"Reading\"";
    return text;
}

/// A marked text in the reader's language, as UTF-8; an empty one keeps the text as written.
using Translate = std::function<std::string(std::string_view text)>;

} // namespace reading
