#pragma once
// Euler angles in radians, XYZ order: the turn about X is applied first, then
// Y, then Z, all about the fixed parent axes (see RotateXYZMatrix).

#include "host/math/Quat.h"

// angles[0..2] = the X, Y and Z angles of q. Y lies in [-pi/2, pi/2], X and Z
// in [-pi, pi]; at Y = +-pi/2, where only X - Z (or X + Z) is defined, Z is 0.
void QuatToEuler(const Quat& q, float* angles);

// q = the rotation of the X, Y and Z angles angles[0..2].
void EulerToQuat(const float* angles, Quat& q);
