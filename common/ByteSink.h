#pragma once
// An output file that collects its bytes and writes them in large blocks:
// the writer's texts are made of many short pieces (a tab, a key, a number),
// and one system call per piece would dominate an export.

#include "host/os/Files.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace textout {

class ByteSink {
public:
    static constexpr std::size_t kDefaultChunkSize = 64 * 1024;

    // chunkSize is the size of every write but the last of a file.
    explicit ByteSink(std::size_t chunkSize = kDefaultChunkSize);
    ByteSink(const ByteSink&) = delete;
    ByteSink& operator=(const ByteSink&) = delete;
    ~ByteSink();

    // Closes the current file, then creates path (replacing any file of that
    // name); false when it cannot be created.
    bool Create(std::string_view path);
    bool IsOpen() const { return file_.IsOpen(); }
    // Writes what is collected and closes the file; nothing when none is open.
    void Close();

    // Bytes given while no file is open are dropped.
    void Append(std::string_view bytes);
    void Append(char byte);
    void AppendRepeated(char byte, std::size_t count);

    // True once any write or close of any file of this sink has failed (a
    // full disk): the text goes on, and the caller learns it at the end.
    bool Failed() const { return failed_; }

private:
    void WriteCollected();

    os::File file_;
    std::vector<char> buffer_;
    std::size_t chunkSize_;
    std::size_t used_ = 0;
    bool failed_ = false;
};

}  // namespace textout
