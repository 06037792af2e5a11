#pragma once
// Tells the host that a helper's display changed (for all time), so the
// viewports redraw it.

class Animatable;

void NotifyObjectChanged(Animatable& object);
