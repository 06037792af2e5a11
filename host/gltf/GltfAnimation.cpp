#include "host/gltf/GltfAnimation.h"

#include "host/gltf/GltfAccessors.h"
#include "host/gltf/GltfAxes.h"
#include "host/gltf/GltfContext.h"
#include "host/gltf/GltfError.h"
#include "host/gltf/KeyReduction.h"
#include "host/math/Angles.h"
#include "host/math/Euler.h"
#include "host/scene/PositionControllers.h"
#include "host/scene/SceneNode.h"

#include <tiny_gltf.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <string>

namespace gltf {
namespace {

constexpr double kTicksPerSecond = 4800.0;

struct Key {
    double time;  // seconds
    TimeValue tick;
    Element in;  // CUBICSPLINE tangents
    Element value;
    Element out;
};

// The keys of one node's translation or rotation, from every channel that
// animates it.
struct Track {
    std::vector<Key> keys;
    std::string interpolation;

    bool Empty() const { return keys.empty(); }
};

struct NodeTracks {
    Track translation;
    Track rotation;
};

TimeValue Tick(double seconds) {
    const double ticks = std::round(seconds * kTicksPerSecond);
    if (!std::isfinite(ticks) || ticks < INT_MIN || ticks > INT_MAX) {
        throw GltfError("key time " + std::to_string(seconds) + " s is out of range");
    }
    return static_cast<TimeValue>(ticks);
}

void AddChannel(const tinygltf::Animation& animation, const tinygltf::AnimationChannel& channel, Track& track,
                int components, const tinygltf::Model& model) {
    if (channel.sampler < 0 || static_cast<std::size_t>(channel.sampler) >= animation.samplers.size()) {
        throw GltfError("sampler " + std::to_string(channel.sampler) + " is not there");
    }
    const tinygltf::AnimationSampler& sampler = animation.samplers[static_cast<std::size_t>(channel.sampler)];
    const std::vector<Element> times = ReadElements(model, sampler.input, 1, "key time");
    const std::vector<Element> outputs = ReadElements(model, sampler.output, components, "key value");
    const bool cubic = sampler.interpolation == "CUBICSPLINE";
    if (outputs.size() != times.size() * (cubic ? 3 : 1)) {
        throw GltfError("sampler " + std::to_string(channel.sampler) + " has not " + (cubic ? "three values" : "one value") +
                        " per key time");
    }
    if (track.Empty()) track.interpolation = sampler.interpolation;
    for (std::size_t k = 0; k < times.size(); ++k) {
        const Element& value = outputs[cubic ? 3 * k + 1 : k];
        Key key{times[k][0], Tick(times[k][0]), cubic ? outputs[3 * k] : value, value, cubic ? outputs[3 * k + 2] : value};
        track.keys.push_back(key);
    }
    // A later key at the same tick replaces an earlier one.
    std::stable_sort(track.keys.begin(), track.keys.end(), [](const Key& a, const Key& b) { return a.tick < b.tick; });
    std::vector<Key> unique;
    for (const Key& key : track.keys) {
        if (!unique.empty() && unique.back().tick == key.tick) {
            unique.back() = key;
        } else {
            unique.push_back(key);
        }
    }
    track.keys = std::move(unique);
}

Element Mix(const Element& a, double wa, const Element& b, double wb) {
    return {wa * a[0] + wb * b[0], wa * a[1] + wb * b[1], wa * a[2] + wb * b[2], wa * a[3] + wb * b[3]};
}

Element Normalized(Element q) {
    const double length = std::sqrt(q[0] * q[0] + q[1] * q[1] + q[2] * q[2] + q[3] * q[3]);
    if (length > 0.0) q = Mix(q, 1.0 / length, q, 0.0);
    return q;
}

Element Slerp(const Element& a, Element b, double t) {
    double cosine = a[0] * b[0] + a[1] * b[1] + a[2] * b[2] + a[3] * b[3];
    if (cosine < 0.0) {
        b = Mix(b, -1.0, b, 0.0);
        cosine = -cosine;
    }
    const double angle = std::acos(std::min(1.0, cosine));
    const double sine = std::sin(angle);
    if (sine < 1e-9) return Normalized(Mix(a, 1.0 - t, b, t));
    return Normalized(Mix(a, std::sin((1.0 - t) * angle) / sine, b, std::sin(t * angle) / sine));
}

// The track's value at tick: a key's own value where it has one there.
Element Sample(const Track& track, TimeValue tick, bool rotation) {
    const std::vector<Key>& keys = track.keys;
    const auto next = std::lower_bound(keys.begin(), keys.end(), tick,
                                       [](const Key& key, TimeValue t) { return key.tick < t; });
    if (next != keys.end() && next->tick == tick) return next->value;
    if (next == keys.begin()) return keys.front().value;
    if (next == keys.end()) return keys.back().value;
    const Key& before = *(next - 1);
    const double span = next->time - before.time;
    const double s = span > 0.0 ? (static_cast<double>(tick) / kTicksPerSecond - before.time) / span : 0.0;
    if (track.interpolation == "STEP") return before.value;
    if (track.interpolation == "CUBICSPLINE") {
        const double s2 = s * s;
        const double s3 = s2 * s;
        Element value = Mix(before.value, 2 * s3 - 3 * s2 + 1, next->value, -2 * s3 + 3 * s2);
        value = Mix(value, 1.0, before.out, (s3 - 2 * s2 + s) * span);
        value = Mix(value, 1.0, next->in, (s3 - s2) * span);
        return rotation ? Normalized(value) : value;
    }
    return rotation ? Slerp(before.value, next->value, s) : Mix(before.value, 1.0 - s, next->value, s);
}

// Euler angles in degrees, each within half a turn of the previous key's,
// so that the keys turn the short way.
Point3 ContinuousDegrees(const Quat& q, const Point3* previous) {
    float radians[3];
    QuatToEuler(q, radians);
    Point3 degrees(RadToDeg(radians[0]), RadToDeg(radians[1]), RadToDeg(radians[2]));
    if (previous) {
        for (int axis = 0; axis < 3; ++axis) {
            while (degrees[axis] - (*previous)[axis] > 180.0f) degrees[axis] -= 360.0f;
            while (degrees[axis] - (*previous)[axis] < -180.0f) degrees[axis] += 360.0f;
        }
    }
    return degrees;
}

void ApplyTracks(const NodeTracks& tracks, const ConvertedNode& converted, GltfContext& context) {
    const tinygltf::Node& node = context.model.nodes[static_cast<std::size_t>(converted.index)];
    const NodeTransform rest = HostTransform(node, context.options.scale);
    std::set<TimeValue> ticks;
    for (const Track* track : {&tracks.translation, &tracks.rotation}) {
        for (const Key& key : track->keys) ticks.insert(key.tick);
    }
    const std::vector<TimeValue> times(ticks.begin(), ticks.end());
    std::vector<MotionKey> keys;
    for (TimeValue tick : times) {
        MotionKey key{rest.position, rest.rotation};
        if (!tracks.translation.Empty()) {
            const Element t = Sample(tracks.translation, tick, false);
            key.position = HostPoint(t[0], t[1], t[2], context.options.scale);
            RequireFinite(key.position, "a translation key");
        }
        if (!tracks.rotation.Empty()) {
            const Element r = Sample(tracks.rotation, tick, true);
            key.rotation = HostRotation(r[0], r[1], r[2], r[3]);
        }
        keys.push_back(key);
    }

    SceneNode& target = *converted.node;
    auto positions = std::make_unique<PositionXYZControl>();
    const bool bezier = tracks.translation.interpolation == "CUBICSPLINE";
    const std::vector<std::size_t> kept = ReduceKeys(keys);
    Point3 previous;
    for (std::size_t k = 0; k < kept.size(); ++k) {
        const TimeValue tick = times[kept[k]];
        MotionKey key = keys[kept[k]];
        if (converted.underLight) TurnBackFromLight(key.position, key.rotation);
        for (int axis = 0; axis < 3; ++axis) {
            positions->Axis(axis).SetTrackType(bezier ? FloatTrackType::Bezier : FloatTrackType::Linear);
            positions->Axis(axis).AddKey(tick, key.position[axis]);
        }
        if (!tracks.rotation.Empty()) {
            const Quat rotation = converted.holdsLight ? LightRotation(key.rotation) : key.rotation;
            previous = ContinuousDegrees(rotation, k > 0 ? &previous : nullptr);
            target.AddRotationKey(tick, previous);
        }
    }
    target.SetPositionController(std::move(positions));
}

std::vector<const tinygltf::Animation*> ChosenAnimations(GltfContext& context) {
    std::vector<const tinygltf::Animation*> chosen;
    const std::vector<tinygltf::Animation>& animations = context.model.animations;
    if (!context.options.animation) {
        for (const tinygltf::Animation& animation : animations) chosen.push_back(&animation);
        return chosen;
    }
    std::string names;
    for (const tinygltf::Animation& animation : animations) {
        if (animation.name == *context.options.animation) return {&animation};
        names += (names.empty() ? "\"" : ", \"") + animation.name + "\"";
    }
    throw GltfError("no animation named \"" + *context.options.animation + "\" (the file has " +
                    (names.empty() ? std::string("none") : names) + ")");
}

}  // namespace

void ApplyAnimations(const std::vector<ConvertedNode>& nodes, GltfContext& context) {
    std::map<int, const ConvertedNode*> byIndex;
    for (const ConvertedNode& node : nodes) byIndex[node.index] = &node;
    std::map<int, NodeTracks> tracks;
    for (const tinygltf::Animation* animation : ChosenAnimations(context)) {
        for (std::size_t c = 0; c < animation->channels.size(); ++c) {
            const tinygltf::AnimationChannel& channel = animation->channels[c];
            if (byIndex.count(channel.target_node) == 0) continue;
            const std::string& path = channel.target_path;
            if (path != "translation" && path != "rotation") {
                context.Warn("scale and morph-weight animation channels are skipped");
                continue;
            }
            NodeTracks& node = tracks[channel.target_node];
            try {
                if (path == "translation") {
                    AddChannel(*animation, channel, node.translation, 3, context.model);
                } else {
                    AddChannel(*animation, channel, node.rotation, 4, context.model);
                }
            } catch (const GltfError& fault) {
                throw GltfError(NodeLabel(*byIndex[channel.target_node]) + ": animation \"" + animation->name +
                                "\" channel " + std::to_string(c) + ": " + fault.what());
            }
        }
    }
    for (const auto& [index, nodeTracks] : tracks) {
        try {
            ApplyTracks(nodeTracks, *byIndex[index], context);
        } catch (const GltfError& fault) {
            throw GltfError(NodeLabel(*byIndex[index]) + ": " + fault.what());
        }
    }
}

}  // namespace gltf
