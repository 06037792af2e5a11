#include "corvatrix/TerminalProgress.h"

#include <cstdio>

void TerminalProgress::Start(const std::string& title) {
    title_ = title;
    shown_ = -1;
    std::fprintf(stderr, "%s", title_.c_str());
    std::fflush(stderr);
}

void TerminalProgress::Update(int percent, const std::string& text) {
    // Redrawing a line per node would flood a slow terminal on big scenes.
    if (percent == shown_) return;
    shown_ = percent;
    std::fprintf(stderr, "\r\033[K%s %3d%% %s", title_.c_str(), percent, text.c_str());
    std::fflush(stderr);
}

void TerminalProgress::End() {
    std::fprintf(stderr, "\r\033[K");
    std::fflush(stderr);
}
