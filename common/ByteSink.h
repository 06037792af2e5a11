#pragma once
// An output file that collects its bytes and writes them in large blocks:
// the writer's texts are made of many short pieces (a tab, a key, a number),
// and one system call per piece would dominate an export.
//
// A file is written under a temporary name in its folder and takes its real
// name only at Commit, so a failed export never leaves a half-written file
// in place of the previous one.

#include "host/os/Files.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace textout {

class ByteSink {
public:
    static constexpr std::size_t kDefaultChunkSize = 64 * 1024;

    // chunkSize is the size of every write but the last of a file.
    explicit ByteSink(std::size_t chunkSize = kDefaultChunkSize);
    ByteSink(const ByteSink&) = delete;
    ByteSink& operator=(const ByteSink&) = delete;
    // Removes the temporary files that were never committed.
    ~ByteSink();

    // Closes the current file, then creates a temporary file that Commit
    // renames to path (replacing any file of that name); false when it
    // cannot be created (FailureText tells why; no failed write).
    bool Create(std::string_view path);
    // The same, but the file is written at path itself: for files that are
    // temporary anyway.
    bool CreateInPlace(std::string_view path);
    bool IsOpen() const { return file_.IsOpen(); }
    // Writes what is collected and closes the file; nothing when none is open.
    void Close();

    // Closes the current file, then gives every file closed since the last
    // Commit or Discard its real name. After a failed write nothing is
    // renamed and the temporary files are removed; false then, and when a
    // rename fails.
    bool Commit();
    // Closes the current file and removes every temporary file not committed.
    // After a failure os::LastError() tells the reason of the first one.
    void Discard();

    // Bytes given while no file is open are dropped.
    void Append(std::string_view bytes);
    void Append(char byte);
    void AppendRepeated(char byte, std::size_t count);

    // True once any write or close of any file of this sink has failed (a
    // full disk): the text goes on, and the caller learns it at the end.
    bool Failed() const { return failed_; }
    // "<file>: <reason>" of the first file that could not be created,
    // written or renamed, by its real name; empty while none failed.
    std::string FailureText() const;

private:
    bool Open(std::string_view writtenPath, std::string_view finalPath);
    void WriteCollected();
    void Fail();
    void NoteFailure();

    os::File file_;
    std::string temporaryPath_;  // empty while the open file is written in place
    std::string finalPath_;
    std::string shownPath_;  // the real name of the file being written or renamed
    std::string failedPath_;
    std::vector<std::pair<std::string, std::string>> closed_;  // temporary path, real path
    std::vector<char> buffer_;
    std::size_t chunkSize_;
    std::size_t used_ = 0;
    bool failed_ = false;
    int failure_ = 0;  // the error of the first failure, in failedPath_
};

}  // namespace textout
