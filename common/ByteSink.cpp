#include "common/ByteSink.h"

#include <algorithm>
#include <cstring>

namespace textout {

ByteSink::ByteSink(std::size_t chunkSize) : chunkSize_(std::max<std::size_t>(chunkSize, 1)) {}

ByteSink::~ByteSink() { Close(); }

bool ByteSink::Create(std::string_view path) {
    Close();
    file_ = os::File::CreateAlways(path);
    if (!file_.IsOpen()) return false;
    buffer_.resize(chunkSize_);
    return true;
}

void ByteSink::Close() {
    if (!file_.IsOpen()) return;
    WriteCollected();
    if (!file_.Close()) failed_ = true;
}

void ByteSink::Append(std::string_view bytes) {
    if (!file_.IsOpen()) return;
    while (!bytes.empty()) {
        const std::size_t size = std::min(chunkSize_ - used_, bytes.size());
        std::memcpy(buffer_.data() + used_, bytes.data(), size);
        used_ += size;
        bytes.remove_prefix(size);
        if (used_ == chunkSize_) WriteCollected();
    }
}

void ByteSink::Append(char byte) {
    if (!file_.IsOpen()) return;
    buffer_[used_++] = byte;
    if (used_ == chunkSize_) WriteCollected();
}

void ByteSink::AppendRepeated(char byte, std::size_t count) {
    for (; count > 0; --count) Append(byte);
}

void ByteSink::WriteCollected() {
    if (used_ > 0 && !file_.Write(buffer_.data(), used_)) failed_ = true;
    used_ = 0;
}

}  // namespace textout
