#include "common/ByteSink.h"

#include <algorithm>
#include <cstring>

namespace textout {

ByteSink::ByteSink(std::size_t chunkSize) : chunkSize_(std::max<std::size_t>(chunkSize, 1)) {}

ByteSink::~ByteSink() { Discard(); }

bool ByteSink::Create(std::string_view path) { return Open(os::TemporaryPathBeside(path), path); }

bool ByteSink::CreateInPlace(std::string_view path) { return Open(path, {}); }

bool ByteSink::Open(std::string_view writtenPath, std::string_view finalPath) {
    Close();
    // Failures are reported under the name the user knows the file by.
    shownPath_.assign(finalPath.empty() ? writtenPath : finalPath);
    file_ = os::File::CreateAlways(writtenPath);
    if (!file_.IsOpen()) {
        NoteFailure();
        return false;
    }
    temporaryPath_.assign(finalPath.empty() ? std::string_view() : writtenPath);
    finalPath_.assign(finalPath);
    buffer_.resize(chunkSize_);
    return true;
}

void ByteSink::Close() {
    if (!file_.IsOpen()) return;
    WriteCollected();
    if (!file_.Close()) Fail();
    shownPath_.clear();
    if (!temporaryPath_.empty()) closed_.emplace_back(std::move(temporaryPath_), std::move(finalPath_));
    temporaryPath_.clear();
    finalPath_.clear();
}

bool ByteSink::Commit() {
    Close();
    while (!failed_ && !closed_.empty()) {
        shownPath_ = closed_.front().second;
        if (os::RenameFile(closed_.front().first, closed_.front().second))
            closed_.erase(closed_.begin());
        else
            Fail();
    }
    shownPath_.clear();
    if (failed_) Discard();
    return !failed_;
}

void ByteSink::Discard() {
    Close();
    for (const auto& paths : closed_) os::DeleteFile(paths.first);
    closed_.clear();
    // What made the sink fail stays what the caller reports.
    if (!failedPath_.empty()) os::SetLastErrorCode(failure_);
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
    if (used_ > 0 && !file_.Write(buffer_.data(), used_)) Fail();
    used_ = 0;
}

void ByteSink::Fail() {
    NoteFailure();
    failed_ = true;
}

void ByteSink::NoteFailure() {
    if (!failedPath_.empty()) return;
    failure_ = os::LastErrorCode();
    failedPath_ = shownPath_;
}

std::string ByteSink::FailureText() const {
    if (failedPath_.empty()) return {};
    const int last = os::LastErrorCode();
    os::SetLastErrorCode(failure_);
    std::string text = os::NativePath(failedPath_) + ": " + os::LastError();
    os::SetLastErrorCode(last);
    return text;
}

}  // namespace textout
