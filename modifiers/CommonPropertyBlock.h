#pragma once
// The 80-word property block of the common actor properties: its defaults,
// its parameter indices, its map lines and its chunk.

#include "host/core/Persistence.h"
#include "modifiers/CommonPropertyTable.h"

#include <cstdint>

class T3dWriter;

class CommonPropertyBlock {
public:
    static constexpr std::uint16_t kChunkId = 0x06CB;

    // The defaults of a new modifier.
    CommonPropertyBlock();

    // By parameter index (see CommonPropertyTable.h); false for an index
    // that is no common property, and for a choice beyond its items.
    bool SetInt(int index, int value);
    bool GetInt(int index, int& value) const;
    bool SetFloat(int index, float value);
    bool GetFloat(int index, float& value) const;

    // The 42 property lines, at the writer's depth.
    void WriteLines(T3dWriter& writer) const;

    void Save(ISave& isave) const;
    // Reads the open chunk when it is the block's own (IO_ERROR when it is
    // short: the whole words read are kept); any other chunk is left alone.
    IOResult LoadChunk(ILoad& iload);

private:
    // The saved layout, word by word.
    struct Words {
        float lifeSpan;
        float collisionHeight;
        float collisionRadius;
        std::int32_t surfaceType;
        std::int32_t ambientGlow;
        std::int32_t maxLights;
        std::int32_t style;
        float cullDistance;
        std::int32_t flags[common_properties::kFlagSlots];
    };
    static_assert(sizeof(Words) == 80 * 4, "the block is 80 words");

    // The word of an index; null for an index of another kind or none.
    template <class W>
    static auto IntWord(W& words, int index) -> decltype(&words.style);
    template <class W>
    static auto FloatWord(W& words, int index) -> decltype(&words.lifeSpan);

    Words words_;
};
