#pragma once
// The pieces the writer's lines are built from, appended straight to a sink.

#include "common/ByteSink.h"
#include "common/NumberFormat.h"

#include <cstdint>

namespace textout {

// Indentation: one tab per level; a negative depth indents nothing.
inline void AppendTabs(ByteSink& sink, std::int32_t depth) {
    if (depth > 0) sink.AppendRepeated('\t', static_cast<std::size_t>(depth));
}

inline void AppendFloat(ByteSink& sink, float value) {
    char text[kFloatTextMax];
    sink.Append(std::string_view(text, static_cast<std::size_t>(FormatFloat(text, value) - text)));
}

inline void AppendLong(ByteSink& sink, std::int32_t value) {
    char text[kLongTextMax];
    sink.Append(std::string_view(text, static_cast<std::size_t>(FormatLong(text, value) - text)));
}

inline void AppendLineEnd(ByteSink& sink) { sink.Append("\r\n"); }

}  // namespace textout
