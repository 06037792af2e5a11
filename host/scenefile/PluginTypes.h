#pragma once
// The object and modifier types that belong to the plug-in modules. Their
// keys are the modules' business: each type has its reader here, usable only
// while the module that implements the class is loaded.

#include "host/core/ClassId.h"
#include "host/scenefile/JsonCursor.h"
#include "host/scenefile/ReadContext.h"

#include <string_view>

class Modifier;
class Object;

namespace scenefile {

// Each reader makes the instance, gives it to the scene and applies the keys.
using PluginObjectReader = Object* (*)(const JsonCursor& object, ReadContext& context);
using PluginModifierReader = Modifier* (*)(const JsonCursor& modifier, ReadContext& context);

struct PluginClass {
    const char* moduleFile;  // "corvatrix.dlo"
    const char* moduleKind;  // "object", as in "the object plug-in"
    SClass_ID superClass;
    Class_ID classId;
};

template <class Reader>
struct PluginType {
    const char* name;  // the value of "type"
    PluginClass pluginClass;
    Reader read;  // null while the type's keys cannot be read yet
};

// Null when name is no plug-in type.
const PluginType<PluginObjectReader>* FindPluginObjectType(std::string_view name);
const PluginType<PluginModifierReader>* FindPluginModifierType(std::string_view name);

// Fails at `at` unless the type's module is loaded (its class is in the
// host's class directory) and the type has a reader.
void RequirePluginType(const JsonCursor& at, std::string_view name, const PluginClass& pluginClass, bool hasReader);

template <class Reader>
Reader RequireReader(const JsonCursor& at, const PluginType<Reader>& type) {
    RequirePluginType(at, type.name, type.pluginClass, type.read != nullptr);
    return type.read;
}

}  // namespace scenefile
