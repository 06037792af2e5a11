#pragma once
// Decomposition of an affine transform into translation, rotation and
// stretch, for writing a node's placement in another program's terms.

#include "host/math/Matrix3.h"
#include "host/math/Point3.h"
#include "host/math/Quat.h"

struct AffineParts {
    Point3 t;                     // translation
    Quat q;                       // essential rotation
    Quat u;                       // stretch rotation: the axes along which k applies
    Point3 k{1.0f, 1.0f, 1.0f};   // stretch factors, never negative
    float f = 1.0f;               // -1 when the transform mirrors, else +1
};

// Splits mat so that, with U = RotateQuatMatrix(u) and K = ScaleMatrix(k),
//   mat = Inverse(U) * K * U * RotateQuatMatrix(q) * ScaleMatrix(f, f, f) * TransMatrix(t).
// A transform that scales by zero along some axis decomposes without NaN:
// its missing directions are completed as a rotation, with f = +1.
void decomp_affine(const Matrix3& mat, AffineParts* parts);
