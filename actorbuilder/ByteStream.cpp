#include "actorbuilder/ByteStream.h"

namespace actorbuilder {

int ByteStream::Next() {
    if (position_ == window_.size() && !Refill()) return kEnd;
    const char byte = window_[position_++];
    if (byte == '\n') ++line_;
    return static_cast<unsigned char>(byte);
}

void ByteStream::Unget() {
    // A refill only happens when the window is used up, so the byte given
    // back is still in it.
    if (position_ == 0) return;
    if (window_[--position_] == '\n') --line_;
}

bool ByteStream::Refill() {
    if (!file_ || readFailed_) return false;
    const long count = file_->Read(buffer_.data(), buffer_.size());
    if (count < 0) readFailed_ = true;
    if (count <= 0) return false;
    window_ = std::string_view(buffer_.data(), static_cast<std::size_t>(count));
    position_ = 0;
    return true;
}

}  // namespace actorbuilder
