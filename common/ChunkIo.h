#pragma once
// Saved values of the plug-ins' classes: a chunk holding a
// block of 32-bit words, written as the words lie in memory.

#include "host/core/Persistence.h"

#include <cstddef>
#include <cstdint>

void SaveWordChunk(ISave& isave, std::uint16_t id, const void* words, std::size_t size);

// Reads size bytes of the open chunk into words. A short chunk still
// delivers the whole words it holds (a word cut in two is not taken) and
// gives IO_ERROR.
IOResult LoadWordChunk(ILoad& iload, void* words, std::size_t size);
