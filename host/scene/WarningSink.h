#pragma once
// Where the plug-ins' warnings about their output go: things the user should
// fix before the level editor trips over them. The program decides how they
// are shown.

#include <string_view>

class WarningSink {
public:
    virtual ~WarningSink() = default;
    // kind names the sort of trap in a few words ("static mesh without a
    // material"), the same for every warning of that sort; text is the
    // warning itself, naming the node or file.
    virtual void Warn(std::string_view kind, std::string_view text) = 0;
};
