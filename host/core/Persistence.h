#pragma once
// Save and load chunk streams: how objects keep their state in a scene file.
// A chunk is a header (a 16-bit id, then a 32-bit length that counts the
// six header bytes and the content, both little-endian) followed by its
// content: the object's bytes, further chunks, or bytes followed by chunks
// (read the bytes before opening the chunks). The streams work on bytes in
// memory; the scene file or a test holds them.

#include <cstddef>
#include <cstdint>
#include <vector>

enum IOResult {
    IO_OK = 0,
    IO_END = 1,    // no chunk left at this level
    IO_ERROR = 2,  // a short read or damaged data
};

class ISave {
public:
    void BeginChunk(std::uint16_t id);
    // Ends the innermost open chunk; false when none is open.
    bool EndChunk();
    // Bytes go into the innermost open chunk; outside any chunk nothing is
    // written and the result is IO_ERROR.
    IOResult Write(const void* data, std::size_t size, std::size_t* written);

    // Complete once every chunk begun has been ended.
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
    std::vector<std::size_t> openChunks_;  // where each open chunk's header starts
};

// Reads chunks back from bytes that must outlive it. Nothing is ever read
// past the end of the bytes or of the chunk being read.
class ILoad {
public:
    ILoad(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    explicit ILoad(const std::vector<std::uint8_t>& bytes) : ILoad(bytes.data(), bytes.size()) {}
    explicit ILoad(std::vector<std::uint8_t>&&) = delete;

    // Opens the next chunk at the current level (inside the innermost open
    // chunk, or at the top). IO_END when the level holds nothing more;
    // IO_ERROR when what follows is no whole chunk (a cut header, a length
    // shorter than a header or longer than what is left): nothing opens, and
    // asking again gives IO_ERROR again.
    IOResult OpenChunk();
    // The id of the innermost open chunk; 0 when none is open.
    std::uint16_t CurChunkID() const;
    // Reads from the innermost open chunk. When fewer than size bytes are
    // left in it, those that are there are delivered and the result is
    // IO_ERROR; *read says how many came.
    IOResult Read(void* data, std::size_t size, std::size_t* read);
    // Skips what is left of the innermost open chunk; IO_ERROR when none is open.
    IOResult CloseChunk();

private:
    struct OpenChunkRecord {
        std::uint16_t id;
        std::size_t end;
    };

    // Where the current level ends: the innermost chunk's end, or the bytes'.
    std::size_t LevelEnd() const;

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
    std::vector<OpenChunkRecord> openChunks_;
};
