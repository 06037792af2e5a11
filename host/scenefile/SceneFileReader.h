#pragma once
// The command-line host's scene file: a JSON document read into a new host
// scene, strictly. Any fault, from an unreadable file to a value out of
// range, drops the whole scene and explains itself in one line:
//   castle.json: nodes[2].modifiers[0]: unknown key "csgOpration"
//   castle.json:14:7: <syntax error>
//   castle.json: cannot read the file: No such file or directory
// with the file named as given.

#include "host/scene/Scene.h"
#include "host/scenefile/PluginTypeHint.h"

#include <memory>
#include <string>

// The scene, or null with error set. Plug-in object and modifier types are
// accepted only while their modules are loaded; hints name the module of a
// type that is missing.
std::unique_ptr<Scene> ReadSceneFile(const std::string& path, std::string& error, PluginTypeHints hints = {});
