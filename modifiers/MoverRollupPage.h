#pragma once
// The mover's own page, after the common ones: "Mover Properties", held
// once for the mover class.

#include "host/params/IParamArray.h"

class Interface;

// Adds the page bound to mover or, when it exists, points it at mover: the
// lists first store what they show into the mover they were showing, then
// show mover's choices.
void ShowMoverRollup(Interface* ip, IParamArray* mover);
// Destroys the page; its lists store their choices as it closes.
void DestroyMoverRollup();
