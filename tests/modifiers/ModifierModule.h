#pragma once
// The built corvatrix.dlm loaded through the host's plug-in manager, alone.

#include "tests/common/BuiltModules.h"

class ModifierModule : public BuiltModules {
public:
    ModifierModule() : BuiltModules({"corvatrix.dlm"}) {}
};
