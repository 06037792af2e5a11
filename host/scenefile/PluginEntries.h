#pragma once
// Objects and modifiers of the loaded plug-ins' classes. A class that has a
// scene key reader answers to its scene type; the host makes the instance
// through the class's descriptor and the class reads its own keys.

#include "host/scenefile/ReadContext.h"
#include "host/scenekeys/JsonCursor.h"

#include <string_view>

class Modifier;
class Object;

namespace scenefile {

// Null when no loaded object class answers to the type.
Object* ReadPluginObject(const JsonCursor& entry, std::string_view type, ReadContext& context);
// Null when no loaded modifier class answers to the type.
Modifier* ReadPluginModifier(const JsonCursor& entry, std::string_view type, ReadContext& context);

// Fails for a type nothing answered to: at entry when a hint names the
// module that would, else at the type as unknown. kind is "object" or
// "modifier".
[[noreturn]] void FailUnknownType(const JsonCursor& entry, const JsonCursor& type, std::string_view kind,
                                  const ReadContext& context);

}  // namespace scenefile
