#pragma once
// The program's warning sink: each warning on standard error, one line each;
// past ten of a kind only their count, printed at the end.

#include "host/scene/WarningSink.h"

#include <cstdio>
#include <map>
#include <string>

class WarningPrinter : public WarningSink {
public:
    static constexpr int kShownPerKind = 10;

    explicit WarningPrinter(std::FILE* out) : out_(out) {}

    void Warn(std::string_view kind, std::string_view text) override;
    // One line for each kind that had more warnings than were shown.
    void PrintCounts() const;

private:
    std::FILE* out_;
    std::map<std::string, int> counts_;
};
