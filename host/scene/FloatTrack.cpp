#include "host/scene/FloatTrack.h"

Class_ID FloatTrack::ClassID() const {
    switch (type_) {
    case FloatTrackType::Linear: return LININTERP_FLOAT_CLASS_ID;
    case FloatTrackType::TCB: return TCB_FLOAT_CLASS_ID;
    case FloatTrackType::Bezier: break;
    }
    return BEZIER_FLOAT_CLASS_ID;
}

float FloatTrack::GetValue(TimeValue t) const { return keys_.empty() ? unkeyed_ : InterpolateKeys(keys_, t); }
