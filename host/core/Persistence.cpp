#include "host/core/Persistence.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kIdSize = 2;
constexpr std::size_t kLengthSize = 4;
constexpr std::size_t kHeaderSize = kIdSize + kLengthSize;

void PutLittleEndian(std::uint8_t* out, std::uint32_t value, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GetLittleEndian(const std::uint8_t* in, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i) value |= static_cast<std::uint32_t>(in[i]) << (8 * i);
    return value;
}

}  // namespace

void ISave::BeginChunk(std::uint16_t id) {
    openChunks_.push_back(bytes_.size());
    bytes_.resize(bytes_.size() + kHeaderSize);
    PutLittleEndian(bytes_.data() + openChunks_.back(), id, kIdSize);
}

bool ISave::EndChunk() {
    if (openChunks_.empty()) return false;
    const std::size_t start = openChunks_.back();
    openChunks_.pop_back();
    PutLittleEndian(bytes_.data() + start + kIdSize, static_cast<std::uint32_t>(bytes_.size() - start), kLengthSize);
    return true;
}

IOResult ISave::Write(const void* data, std::size_t size, std::size_t* written) {
    const bool inChunk = !openChunks_.empty();
    if (inChunk) {
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        bytes_.insert(bytes_.end(), bytes, bytes + size);
    }
    if (written) *written = inChunk ? size : 0;
    return inChunk ? IO_OK : IO_ERROR;
}

std::size_t ILoad::LevelEnd() const { return openChunks_.empty() ? size_ : openChunks_.back().end; }

IOResult ILoad::OpenChunk() {
    const std::size_t left = LevelEnd() - position_;
    if (left == 0) return IO_END;
    if (left < kHeaderSize) return IO_ERROR;
    const std::uint8_t* header = data_ + position_;
    const std::size_t length = GetLittleEndian(header + kIdSize, kLengthSize);
    if (length < kHeaderSize || length > left) return IO_ERROR;
    openChunks_.push_back({static_cast<std::uint16_t>(GetLittleEndian(header, kIdSize)), position_ + length});
    position_ += kHeaderSize;
    return IO_OK;
}

std::uint16_t ILoad::CurChunkID() const { return openChunks_.empty() ? 0 : openChunks_.back().id; }

IOResult ILoad::Read(void* data, std::size_t size, std::size_t* read) {
    const std::size_t available = openChunks_.empty() ? 0 : LevelEnd() - position_;
    const std::size_t count = std::min(size, available);
    if (count > 0) std::memcpy(data, data_ + position_, count);
    position_ += count;
    if (read) *read = count;
    return count == size ? IO_OK : IO_ERROR;
}

IOResult ILoad::CloseChunk() {
    if (openChunks_.empty()) return IO_ERROR;
    position_ = openChunks_.back().end;
    openChunks_.pop_back();
    return IO_OK;
}
