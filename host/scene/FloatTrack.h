#pragma once
// A keyed float track, as used for each axis of a position. Linear, Bezier
// and TCB tracks are told apart by class id; here all three pass through
// their keys linearly.

#include "host/scene/Control.h"
#include "host/scene/HostClassIds.h"
#include "host/scene/KeyInterpolation.h"

#include <vector>

enum class FloatTrackType { Linear, Bezier, TCB };

class FloatTrack : public FloatControl, public IKeyControl {
public:
    explicit FloatTrack(FloatTrackType type = FloatTrackType::Bezier) : type_(type) {}

    Class_ID ClassID() const override;
    FloatTrackType GetTrackType() const { return type_; }
    void SetTrackType(FloatTrackType type) { type_ = type; }

    // The keys' value at t; without keys the unkeyed value.
    float GetValue(TimeValue t) const override;
    void SetUnkeyedValue(float value) { unkeyed_ = value; }
    // Keeps the keys in time order; a key at an existing key's time replaces it.
    void AddKey(TimeValue time, float value) { InsertKey(keys_, time, value); }
    float GetKeyValue(int i) const { return keys_[i].value; }

    IKeyControl* GetKeyControlInterface() override { return this; }
    int GetNumKeys() const override { return static_cast<int>(keys_.size()); }
    TimeValue GetKeyTime(int i) const override { return keys_[i].time; }

private:
    FloatTrackType type_;
    float unkeyed_ = 0.0f;
    std::vector<TimedKey<float>> keys_;
};
