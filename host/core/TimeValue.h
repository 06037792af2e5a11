#pragma once
// Scene time. Everything animated is keyed and evaluated in ticks, a unit fine
// enough that common frame rates divide a second evenly.

using TimeValue = int;

constexpr TimeValue TICKS_PER_SECOND = 4800;
