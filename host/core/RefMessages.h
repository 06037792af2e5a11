#pragma once
// The words of the reference system: what a reference target tells the
// makers that refer to it, and what they answer.

#include <cstdint>

class Animatable;

using RefTargetHandle = Animatable*;
using RefMakerHandle = Animatable*;

// Which part of a target changed; makers may narrow it as they pass it on.
using PartID = std::uint32_t;
constexpr PartID PART_ALL = 0xFFFFFFFFu;

using RefMessage = unsigned;
// The target changed (an object's parameters, say).
constexpr RefMessage REFMSG_CHANGE = 4;
// The target is being deleted; the reference is gone once the message is through.
constexpr RefMessage REFMSG_TARGET_DELETED = 32;
// The target, a node, was renamed.
constexpr RefMessage REFMSG_NODE_NAMECHANGE = 247;

enum RefResult { REF_FAIL = 0, REF_SUCCEED = 1, REF_DONTCARE = 2, REF_STOP = 3 };
