#pragma once
// How an actor helper is saved: a settings chunk (the three words below,
// then, with a class, the library entry's 260-byte file-name field) and a
// values chunk (the definition's values, four bytes each, in property
// order). Saved scenes and scene files hold actors in this form.

#include <cstdint>

constexpr std::uint16_t kActorSettingsChunk = 60533;
constexpr std::uint16_t kActorValuesChunk = 6124;

struct ActorSettings {
    std::int32_t directional;
    std::int32_t showAsIcon;
    std::int32_t classIndex;  // -1 without a class
};
static_assert(sizeof(ActorSettings) == 12, "the settings chunk starts with three 32-bit words");
