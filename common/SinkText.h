#pragma once
// The pieces the writer's lines are built from, appended straight to a sink.

#include "common/ByteSink.h"
#include "common/NumberFormat.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace textout {

// Indentation: one tab per level; a negative depth indents nothing. Every
// line starts with it, so the usual depths go to the sink in one piece.
inline void AppendTabs(ByteSink& sink, std::int32_t depth) {
    constexpr std::string_view kTabs = "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t";
    for (std::size_t left = depth > 0 ? static_cast<std::size_t>(depth) : 0; left > 0;) {
        const std::size_t size = std::min(left, kTabs.size());
        sink.Append(kTabs.substr(0, size));
        left -= size;
    }
}

// The text a formatting function wrote from text up to end.
inline void AppendFormatted(ByteSink& sink, const char* text, const char* end) {
    sink.Append(std::string_view(text, static_cast<std::size_t>(end - text)));
}

inline void AppendFloat(ByteSink& sink, float value) {
    char text[kFloatTextMax];
    AppendFormatted(sink, text, FormatFloat(text, value));
}

inline void AppendLong(ByteSink& sink, std::int32_t value) {
    char text[kLongTextMax];
    AppendFormatted(sink, text, FormatLong(text, value));
}

inline void AppendLineEnd(ByteSink& sink) { sink.Append("\r\n"); }

// A text from a scene, an option or a definition file as part of one line:
// each control character becomes a blank, so it cannot end the line, and
// with replaceQuotes each '"' becomes '\'', so it cannot end a quoted value.
inline void AppendLineText(ByteSink& sink, std::string_view text, bool replaceQuotes = true) {
    const auto harmless = [replaceQuotes](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x20 && byte != 0x7F && (c != '"' || !replaceQuotes);
    };
    while (!text.empty()) {
        const std::size_t run = static_cast<std::size_t>(
            std::find_if_not(text.begin(), text.end(), harmless) - text.begin());
        sink.Append(text.substr(0, run));
        if (run == text.size()) return;
        sink.Append(text[run] == '"' ? '\'' : ' ');
        text.remove_prefix(run + 1);
    }
}

}  // namespace textout
