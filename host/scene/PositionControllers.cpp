#include "host/scene/PositionControllers.h"

Point3 PositionXYZControl::GetValue(TimeValue t) const {
    return Point3(axes_[0].GetValue(t), axes_[1].GetValue(t), axes_[2].GetValue(t));
}

void PositionXYZControl::SetUnkeyedValue(const Point3& position) {
    for (int axis = 0; axis < 3; ++axis) axes_[axis].SetUnkeyedValue(position[axis]);
}
