#pragma once
// What the user asked the corvatrix program to do, read from its arguments.

#include "host/os/EditorPaths.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

// The artist's edits in the exporter's options dialog, made by flags.
struct OptionEdits {
    std::optional<std::string> package;  // unchecks "Use myLevel for package"
    bool useMyLevel = false;             // checks it
    std::optional<std::string> group;
    std::vector<std::pair<int, bool>> checkBoxes;  // control id, checked
    std::optional<int> gridIndex;                  // 0 for grid 1 … 10 for 1024
};

struct CommandLine {
    enum class Command { Export, Options, Classes, Help, Version };
    Command command = Command::Help;
    std::string scene;
    std::string output;
    std::string settingsFile;  // empty: the default location
    std::string pluginFolder;  // empty: the default folder
    bool selectedOnly = false;
    bool quiet = false;
    bool orientBrushes = false;
    std::optional<os::EditorPathStyle> editorPaths;  // stored when given
    std::vector<os::DriveMapping> drives;
    // glTF scenes only.
    std::optional<float> scale;
    std::optional<std::string> animation;
    OptionEdits edits;
};

// False with a message naming the offending argument when the arguments do
// not form a valid command.
bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& line, std::string& error);

// The text of --help.
const char* UsageText();
