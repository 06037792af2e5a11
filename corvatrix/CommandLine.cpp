#include "corvatrix/CommandLine.h"

#include "common/ExporterDialogIds.h"
#include "common/OptionText.h"

#include <cstddef>
#include <utility>
#include <cstdlib>

namespace {

const char kUsage[] =
    "Usage:\n"
    "  corvatrix export SCENE OUTPUT [options]\n"
    "  corvatrix options [--settings FILE]\n"
    "  corvatrix classes [--plugins DIR]\n"
    "  corvatrix --help | --version\n"
    "\n"
    "export   reads the scene SCENE and exports it as a T3D map. SCENE is a JSON\n"
    "         scene file (.json) or a glTF 2.0 file (.gltf or .glb, also told by\n"
    "         its content). The map is OUTPUT with its extension replaced by .t3d;\n"
    "         the EXEC script (.exec), one ASE file per static mesh (ase_PACKAGE/)\n"
    "         and the images a glTF file carries inside it (textures/) go beside it.\n"
    "         Prints a summary of what went into the level, then the EXEC command\n"
    "         to paste into UnrealEd's console, which it also puts on the desktop\n"
    "         clipboard when one is reachable. Images UnrealEd cannot import\n"
    "         (anything but BMP, PCX, TGA and DDS) are converted to TGA files in\n"
    "         textures/ beside the map. Warnings about what UnrealEd would trip\n"
    "         over go to standard error, one line each (past 10 of a kind, only\n"
    "         their count).\n"
    "options  prints the stored export options and the stored editor path style,\n"
    "         one Name=value line each.\n"
    "classes  prints the loaded plug-in modules with their classes, and the actor\n"
    "         classes of the object plug-in's cxActors folder.\n"
    "\n"
    "Options of export that are stored and used for this and later exports (most\n"
    "act as the same edit in the options dialog):\n"
    "  --package NAME          package for static meshes and textures (unchecks\n"
    "                          \"Use myLevel for package\")\n"
    "  --use-mylevel           use the package myLevel\n"
    "  --group NAME            group for static meshes and textures\n"
    "  --[no-]merged-import    \"Merged import\" (MAP IMPORTADD instead of IMPORT)\n"
    "  --[no-]update-only      \"Update only\" (no map import command)\n"
    "  --[no-]bound-brush      \"Create bounding brush\"\n"
    "  --[no-]alt-brushes      \"Use alt. method for brushes\"\n"
    "  --[no-]adjust-lights    \"Adjust lights in scene\"\n"
    "  --[no-]build-on-import  \"Auto build map on import\"\n"
    "  --[no-]collision        \"StaticMeshes have collision\"\n"
    "  --[no-]save-packages    \"Save packages on import\"\n"
    "  --[no-]snap             brush vertex snap \"Active\"\n"
    "  --grid N                snap grid: 1, 2, 4, ... 1024\n"
    "  --editor-paths STYLE    how the EXEC script and command name files, since\n"
    "                          UnrealEd runs under Wine: wine (Z:\\home\\...,\n"
    "                          the default) or unix (/home/...); stored\n"
    "\n"
    "Options of export for this export only:\n"
    "  --selected              export selected nodes only\n"
    "  --drive D:=/FOLDER      name files under FOLDER on drive D: (with '\\');\n"
    "                          repeatable, the longest matching folder wins\n"
    "  --orient-brushes        write every brush with the winding UnrealEd expects\n"
    "                          whatever way its faces point (for glTF scenes)\n"
    "  --quiet                 print no summary and no command on success\n"
    "                          (warnings still go to standard error)\n"
    "\n"
    "Options of export for glTF scenes (not stored):\n"
    "  --scale N               multiply lengths by N (default 1: one glTF unit is\n"
    "                          one editor unit, as modellers for the editor work)\n"
    "  --animation NAME        take the keys of this animation only (default: the\n"
    "                          channels of every animation)\n"
    "\n"
    "Common options:\n"
    "  --settings FILE  where the export options are stored (default\n"
    "                   $CORVATRIX_SETTINGS, else $XDG_CONFIG_HOME/corvatrix/settings.ini,\n"
    "                   else ~/.config/corvatrix/settings.ini)\n"
    "  --plugins DIR    where the plug-in modules are (default $CORVATRIX_PLUGINS,\n"
    "                   else the program's folder when it holds modules, else\n"
    "                   ../lib/corvatrix from the program)\n"
    "\n"
    "Exit codes: 0 done; 1 the output files could not be written (the previous\n"
    "export's files stay as they were) or no export plug-in is loaded; 2 bad\n"
    "command line or bad scene file (nothing written); 130 cancelled with Ctrl-C\n"
    "or a hang-up, 143 with SIGTERM (the map holds the nodes written so far).\n";

struct SwitchFlag {
    const char* name;
    int controlId;
};

const SwitchFlag kSwitches[] = {
    {"merged-import", options_dialog::kMergedImport}, {"update-only", options_dialog::kUpdateOnly},
    {"bound-brush", options_dialog::kBoundBrush},     {"alt-brushes", options_dialog::kAltBrushes},
    {"adjust-lights", options_dialog::kAdjustLights}, {"build-on-import", options_dialog::kBuildOnImport},
    {"collision", options_dialog::kCollision},        {"save-packages", options_dialog::kSavePackages},
    {"snap", options_dialog::kSnapActive},
};

// The grid list holds 1, 2, 4 … 1024; the flag names the size.
std::optional<int> GridIndex(const std::string& text) {
    for (int index = 0; index <= 10; ++index) {
        if (text == std::to_string(1 << index)) return index;
    }
    return std::nullopt;
}

bool SetSwitch(const std::string& flag, OptionEdits& edits) {
    bool on = true;
    std::string name = flag.substr(2);
    if (name.compare(0, 3, "no-") == 0) {
        on = false;
        name = name.substr(3);
    }
    for (const SwitchFlag& entry : kSwitches) {
        if (name == entry.name) {
            edits.checkBoxes.emplace_back(entry.controlId, on);
            return true;
        }
    }
    return false;
}

// A positive, finite number written in full.
std::optional<float> Scale(const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(value > 0.0) || value > 1e6) return std::nullopt;
    return static_cast<float>(value);
}

}  // namespace

const char* UsageText() { return kUsage; }

bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& line, std::string& error) {
    line = CommandLine{};
    if (args.empty()) {
        error = "no command given";
        return false;
    }
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        line.command = CommandLine::Command::Help;
        return true;
    }
    if (command == "--version") {
        line.command = CommandLine::Command::Version;
        return true;
    }
    if (command == "export") {
        line.command = CommandLine::Command::Export;
    } else if (command == "options") {
        line.command = CommandLine::Command::Options;
    } else if (command == "classes") {
        line.command = CommandLine::Command::Classes;
    } else {
        error = "unknown command \"" + command + "\"";
        return false;
    }
    const bool exporting = line.command == CommandLine::Command::Export;

    std::vector<std::string> positional;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return false;
            }
            into = args[++i];
            return true;
        };
        std::string text;
        if (arg == "--help" || arg == "-h") {
            line.command = CommandLine::Command::Help;
            return true;
        } else if (arg == "--settings" && line.command != CommandLine::Command::Classes) {
            if (!value(line.settingsFile)) return false;
        } else if (arg == "--plugins" && line.command != CommandLine::Command::Options) {
            if (!value(line.pluginFolder)) return false;
        } else if (exporting && arg == "--selected") {
            line.selectedOnly = true;
        } else if (exporting && arg == "--quiet") {
            line.quiet = true;
        } else if (exporting && arg == "--orient-brushes") {
            line.orientBrushes = true;
        } else if (exporting && arg == "--editor-paths") {
            if (!value(text)) return false;
            os::EditorPathStyle style{};
            if (!os::ParseEditorPathStyle(text, style)) {
                error = "--editor-paths takes wine or unix, not \"" + text + "\"";
                return false;
            }
            line.editorPaths = style;
        } else if (exporting && arg == "--drive") {
            if (!value(text)) return false;
            os::DriveMapping drive;
            if (!os::ParseDriveMapping(text, drive, error)) return false;
            line.drives.push_back(std::move(drive));
        } else if (exporting && arg == "--use-mylevel") {
            line.edits.useMyLevel = true;
        } else if (exporting && (arg == "--package" || arg == "--group")) {
            if (!value(text)) return false;
            if (!IsValidOptionText(text)) {
                error = arg + ": " + kOptionTextRule;
                return false;
            }
            (arg == "--package" ? line.edits.package : line.edits.group) = text;
        } else if (exporting && arg == "--grid") {
            if (!value(text)) return false;
            line.edits.gridIndex = GridIndex(text);
            if (!line.edits.gridIndex) {
                error = "--grid takes one of 1, 2, 4, 8, 16, 32, 64, 128, 256, 512, 1024, not \"" + text + "\"";
                return false;
            }
        } else if (exporting && arg == "--scale") {
            if (!value(text)) return false;
            line.scale = Scale(text);
            if (!line.scale) {
                error = "--scale takes a number above 0 (and up to 1000000), not \"" + text + "\"";
                return false;
            }
        } else if (exporting && arg == "--animation") {
            if (!value(text)) return false;
            line.animation = text;
        } else if (exporting && arg.compare(0, 2, "--") == 0 && SetSwitch(arg, line.edits)) {
            continue;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option \"" + arg + "\" for " + command;
            return false;
        } else {
            positional.push_back(arg);
        }
    }
    if (line.edits.package && line.edits.useMyLevel) {
        error = "--package and --use-mylevel contradict each other";
        return false;
    }
    if (exporting) {
        if (positional.size() != 2) {
            error = "export needs a scene file and an output path";
            return false;
        }
        line.scene = positional[0];
        line.output = positional[1];
        if (line.scene.empty() || line.output.empty()) {
            error = line.scene.empty() ? "the scene file name is empty" : "the output path is empty";
            return false;
        }
    } else if (!positional.empty()) {
        error = "unexpected argument \"" + positional[0] + "\" for " + command;
        return false;
    }
    return true;
}
