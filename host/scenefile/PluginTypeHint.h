#pragma once
// Which module a scene type belongs to, for the message when a scene names
// the type while that module is not loaded. The program knows its modules;
// the reader only repeats what it is told.

#include "host/params/ConstList.h"

struct PluginTypeHint {
    const char* type;        // "Actor"
    const char* moduleKind;  // "object" or "modifier", as in "the object plug-in"
    const char* moduleFile;  // "corvatrix.dlo"
};

using PluginTypeHints = ConstList<PluginTypeHint>;
