#pragma once
// Bytes one at a time, from memory or from a file read in blocks, so that a
// scanner can stream a file of any size without holding it whole.

#include "host/os/Files.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace actorbuilder {

class ByteStream {
public:
    static constexpr int kEnd = -1;

    explicit ByteStream(std::string_view bytes) : window_(bytes) {}
    // The file must stay open while the stream is read.
    explicit ByteStream(os::File& file) : file_(&file), buffer_(kBlockSize) {}

    // The next byte (0 to 255), or kEnd at the end of the data or when the
    // file cannot be read (ReadFailed then tells).
    int Next();
    // Gives back the byte Next returned last, so the next call returns it
    // again; one byte only, and not kEnd.
    void Unget();

    bool ReadFailed() const { return readFailed_; }
    // The line the stream is on, counting from 1: for messages.
    int Line() const { return line_; }

private:
    static constexpr std::size_t kBlockSize = 64 * 1024;

    bool Refill();

    os::File* file_ = nullptr;
    std::vector<char> buffer_;
    std::string_view window_;
    std::size_t position_ = 0;
    bool readFailed_ = false;
    int line_ = 1;
};

}  // namespace actorbuilder
