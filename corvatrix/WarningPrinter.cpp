#include "corvatrix/WarningPrinter.h"

#include <algorithm>

namespace {

// A warning names nodes and files as the scene gives them: no character of
// theirs may break the one line.
std::string OneLine(std::string_view text) {
    std::string line(text);
    std::replace_if(
        line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, '?');
    return line;
}

}  // namespace

void WarningPrinter::Warn(std::string_view kind, std::string_view text) {
    const int count = ++counts_[std::string(kind)];
    if (count <= kShownPerKind) std::fprintf(out_, "corvatrix: warning: %s\n", OneLine(text).c_str());
}

void WarningPrinter::PrintCounts() const {
    for (const auto& [kind, count] : counts_) {
        if (count <= kShownPerKind) continue;
        std::fprintf(out_, "corvatrix: warning: %d warnings of the kind \"%s\" in all; %d not shown\n", count,
                     OneLine(kind).c_str(), count - kShownPerKind);
    }
}
