#include "common/ChunkIo.h"

#include <cstring>
#include <vector>

void SaveWordChunk(ISave& isave, std::uint16_t id, const void* words, std::size_t size) {
    isave.BeginChunk(id);
    isave.Write(words, size, nullptr);
    isave.EndChunk();
}

IOResult LoadWordChunk(ILoad& iload, void* words, std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    std::size_t read = 0;
    const IOResult result = iload.Read(bytes.data(), size, &read);
    constexpr std::size_t kWordSize = 4;
    std::memcpy(words, bytes.data(), read - read % kWordSize);
    return result;
}
