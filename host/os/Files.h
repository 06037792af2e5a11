#pragma once
// The operating-system file services the plug-ins and the host need, behind
// one small interface. Paths may use '\' as well as '/' as folder separator:
// the system's own formats build Windows-style paths, and both must work.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace os {

// The path as the file system takes it: every '\' becomes '/'.
std::string NativePath(std::string_view path);

// Text of the last failed call of this layer on this thread (strerror).
std::string LastError();
// The same failure as a number, and a way to make an earlier failure the
// last one again (for a caller that reports it after other calls).
int LastErrorCode();
void SetLastErrorCode(int code);

// A move-only handle to an open file.
class File {
public:
    File() = default;
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File();

    // Creates the file for writing, replacing any file of that name.
    static File CreateAlways(std::string_view path);
    // Opens an existing file for reading.
    static File OpenRead(std::string_view path);

    bool IsOpen() const { return fd_ >= 0; }
    // Writes all bytes; false when any could not be written.
    bool Write(const void* data, std::size_t size);
    // Bytes read into data: 0 at the end of the file, -1 on failure.
    long Read(void* data, std::size_t size);
    // The size of a regular file; -1 for anything else (a pipe, a device).
    long long RegularSize() const;
    int Descriptor() const { return fd_; }
    // Forces written bytes to the disk.
    bool Sync();
    // Closes the handle; false when the close reported a failure.
    bool Close();

private:
    explicit File(int fd) : fd_(fd) {}
    int fd_ = -1;
};

bool DeleteFile(std::string_view path);
bool FileExists(std::string_view path);
// Whether path names a regular file (not a folder, pipe or device, which may
// block or never end when read).
bool IsRegularFile(std::string_view path);
// Creates one folder; true when it was created or already exists.
bool CreateDirectory(std::string_view path);
// Creates the folders leading to a file (not the file); true when they exist.
bool CreateParentFolders(std::string_view filePath);
// Whole contents of a regular file (read into one block of its size) or of a
// pipe; false when it cannot be read. A device is refused: it may never end.
bool ReadWholeFile(std::string_view path, std::string& contents);
// Whether path names a device (/dev/zero) rather than a file, folder or pipe.
bool IsDevice(std::string_view path);

// The whole text of a file, for reading once: a regular file is mapped into
// memory (nothing is copied or cleared first), a pipe is read in.
class FileText {
public:
    FileText() = default;
    FileText(const FileText&) = delete;
    FileText& operator=(const FileText&) = delete;
    ~FileText();

    // False, with LastError set, when the file cannot be read; a device is refused.
    bool Load(std::string_view path);
    std::string_view View() const { return mapped_ ? std::string_view(mapped_, size_) : std::string_view(read_); }

private:
    const char* mapped_ = nullptr;
    std::size_t size_ = 0;
    std::string read_;
};
// Replaces a file atomically: writes a temporary file beside it, then renames.
// A symbolic link stays: the file it leads to is replaced.
bool ReplaceFile(std::string_view path, std::string_view contents);
// A name in path's folder for a temporary file that takes path's place
// later; short, whatever path's length, and new on every call.
std::string TemporaryPathBeside(std::string_view path);
// Gives from the name to (replacing a file of that name) in one step.
bool RenameFile(std::string_view from, std::string_view to);

// Names (not paths) of the regular files in folder whose names match pattern
// ('*' and '?' wildcards, letters matched without regard to case), sorted.
std::vector<std::string> FindFiles(std::string_view folder, std::string_view pattern);

// Full path of the loaded module (program or shared object) that holds address.
std::string ModulePath(const void* address);

}  // namespace os
