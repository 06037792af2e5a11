#pragma once
// The host's progress display on a terminal: one line on standard error,
// rewritten in place.

#include "host/scene/Interface.h"

class TerminalProgress : public ProgressDisplay {
public:
    void Start(const std::string& title) override;
    void Update(int percent, const std::string& text) override;
    void End() override;

private:
    std::string title_;
    int shown_ = -1;
};
