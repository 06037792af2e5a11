#pragma once
// How both helpers are placed in the create panel: one click puts the object
// at the point on the construction plane.

class CreateMouseCallBack;

// The handler both helpers share (it keeps no state).
CreateMouseCallBack* PointCreation();
