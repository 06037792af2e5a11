#pragma once
// The brush's own pages, after the common ones: the CSG operation, the
// brush type and the polygon flags.

#include "modifiers/ClassRollups.h"

// Held once for the brush class.
ClassRollups& BrushRollups();
