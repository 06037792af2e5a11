#include "host/scenefile/AnimationReader.h"

#include "host/scene/PositionControllers.h"
#include "host/scene/SceneNode.h"

#include <climits>
#include <memory>
#include <optional>
#include <string>

namespace scenefile {
namespace {

// Calls read(time, value cursor) for each [tick, value] key of keys; ticks
// are integers in strictly ascending order.
template <class ReadKey>
void ForEachKey(const JsonCursor& keys, ReadKey read) {
    TimeValue previous = 0;
    for (std::size_t i = 0; i < keys.Size(); ++i) {
        const JsonCursor key = keys.Element(i);
        key.ExpectSize(2);
        const JsonCursor tick = key.Element(0);
        const auto time = static_cast<TimeValue>(tick.Integer(INT_MIN, INT_MAX));
        if (i > 0 && time <= previous) {
            tick.Fail("tick " + std::to_string(time) + " does not come after the previous key's " +
                      std::to_string(previous));
        }
        read(time, key.Element(1));
        previous = time;
    }
}

FloatTrackType ReadTrackType(const JsonCursor& type) {
    const std::string name = type.Utf8();
    if (name == "linear") return FloatTrackType::Linear;
    if (name == "bezier") return FloatTrackType::Bezier;
    if (name == "tcb") return FloatTrackType::TCB;
    type.Fail("unknown track type \"" + name + "\" (linear, bezier or tcb)");
}

void ReadTrack(const JsonCursor& track, FloatTrack& axis) {
    track.ExpectKeys({"type", "keys"});
    if (const std::optional<JsonCursor> type = track.Find("type")) axis.SetTrackType(ReadTrackType(*type));
    if (const std::optional<JsonCursor> keys = track.Find("keys")) {
        ForEachKey(*keys, [&axis](TimeValue time, const JsonCursor& value) { axis.AddKey(time, value.Number()); });
    }
}

void ReadPositionAnimation(const JsonCursor& position, SceneNode& node) {
    position.ExpectKeys({"x", "y", "z", "controller"});
    if (const std::optional<JsonCursor> controller = position.Find("controller")) {
        if (position.Has("x") || position.Has("y") || position.Has("z")) {
            position.Fail("a \"controller\" replaces the x, y and z tracks; give one or the other");
        }
        if (controller->Utf8() != "single") controller->Fail("unknown position controller (only \"single\")");
        node.SetPositionController(std::make_unique<SinglePositionControl>());
        return;
    }
    auto tracks = std::make_unique<PositionXYZControl>();
    const char* const axisKeys[3] = {"x", "y", "z"};
    for (int axis = 0; axis < 3; ++axis) {
        if (const std::optional<JsonCursor> track = position.Find(axisKeys[axis])) {
            ReadTrack(*track, tracks->Axis(axis));
        }
    }
    node.SetPositionController(std::move(tracks));
}

void ReadRotationAnimation(const JsonCursor& rotation, SceneNode& node) {
    rotation.ExpectKeys({"keys"});
    if (const std::optional<JsonCursor> keys = rotation.Find("keys")) {
        ForEachKey(*keys,
                   [&node](TimeValue time, const JsonCursor& angles) { node.AddRotationKey(time, angles.Vector()); });
    }
}

}  // namespace

void ReadAnimation(const JsonCursor& animation, SceneNode& node) {
    animation.ExpectKeys({"position", "rotation"});
    if (const std::optional<JsonCursor> position = animation.Find("position")) ReadPositionAnimation(*position, node);
    if (const std::optional<JsonCursor> rotation = animation.Find("rotation")) ReadRotationAnimation(*rotation, node);
}

}  // namespace scenefile
