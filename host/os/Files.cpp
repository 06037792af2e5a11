#include "host/os/Files.h"

#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <utility>

namespace os {
namespace {

thread_local int lastErrno = 0;

bool Fail() {
    lastErrno = errno;
    return false;
}

bool WildcardMatch(std::string_view pattern, std::string_view name) {
    std::size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
    auto same = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    };
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || (pattern[p] != '*' && same(pattern[p], name[n])))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace

std::string NativePath(std::string_view path) {
    std::string native(path);
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

std::string LastError() { return std::strerror(lastErrno); }

int LastErrorCode() { return lastErrno; }

void SetLastErrorCode(int code) { lastErrno = code; }

File::File(File&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

File::~File() { Close(); }

File File::CreateAlways(std::string_view path) {
    int fd = ::open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) Fail();
    return File(fd);
}

File File::OpenRead(std::string_view path) {
    int fd = ::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) Fail();
    return File(fd);
}

bool File::Write(const void* data, std::size_t size) {
    if (fd_ < 0) return false;
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t done = ::write(fd_, bytes, size);
        if (done < 0) {
            if (errno == EINTR) continue;
            return Fail();
        }
        bytes += done;
        size -= static_cast<std::size_t>(done);
    }
    return true;
}

long long File::RegularSize() const {
    struct stat info {};
    if (fd_ < 0 || ::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) return -1;
    return static_cast<long long>(info.st_size);
}

long File::Read(void* data, std::size_t size) {
    if (fd_ < 0) return -1;
    for (;;) {
        ssize_t done = ::read(fd_, data, size);
        if (done >= 0) return static_cast<long>(done);
        if (errno != EINTR) {
            Fail();
            return -1;
        }
    }
}

bool File::Sync() { return fd_ >= 0 && (::fsync(fd_) == 0 || Fail()); }

bool File::Close() {
    if (fd_ < 0) return true;
    int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0 || Fail();
}

bool DeleteFile(std::string_view path) { return ::unlink(NativePath(path).c_str()) == 0 || Fail(); }

bool FileExists(std::string_view path) {
    struct stat info;
    return ::stat(NativePath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool CreateDirectory(std::string_view path) {
    std::string native = NativePath(path);
    while (native.size() > 1 && native.back() == '/') native.pop_back();
    if (::mkdir(native.c_str(), 0777) == 0) return true;
    if (errno == EEXIST) {
        struct stat info;
        if (::stat(native.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return true;
    }
    return Fail();
}

bool CreateParentFolders(std::string_view filePath) {
    std::string native = NativePath(filePath);
    std::size_t last = native.rfind('/');
    if (last == std::string::npos) return true;
    for (std::size_t slash = native.find('/', 1); slash <= last; slash = native.find('/', slash + 1)) {
        if (!CreateDirectory(native.substr(0, slash))) return false;
    }
    return true;
}

bool ReadWholeFile(std::string_view path, std::string& contents) {
    if (IsDevice(path)) {
        lastErrno = EINVAL;
        return false;
    }
    File file = File::OpenRead(path);
    if (!file.IsOpen()) return false;
    const long long size = file.RegularSize();
    contents.assign(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
    std::size_t filled = 0;
    while (filled < contents.size()) {
        const long got = file.Read(contents.data() + filled, contents.size() - filled);
        if (got < 0) return false;
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    contents.resize(filled);
    // A pipe, or a file that grew since it was measured, goes on in blocks.
    char block[65536];
    for (;;) {
        const long got = file.Read(block, sizeof block);
        if (got < 0) return false;
        if (got == 0) return true;
        contents.append(block, static_cast<std::size_t>(got));
    }
}

namespace {

// The file a chain of symbolic links ends at (path itself when it is none),
// so that replacing it keeps the links.
std::string LinkTarget(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), target, sizeof target - 1);
        if (length <= 0) return path;
        std::string next(target, static_cast<std::size_t>(length));
        const std::size_t slash = path.rfind('/');
        if (next[0] != '/' && slash != std::string::npos) next.insert(0, path, 0, slash + 1);
        path = std::move(next);
    }
    return path;
}

}  // namespace

FileText::~FileText() {
    if (mapped_) ::munmap(const_cast<char*>(mapped_), size_);
}

bool FileText::Load(std::string_view path) {
    File file = File::OpenRead(path);
    if (!file.IsOpen()) return false;
    // Anything but a regular file (a pipe; a device, which is refused) is read in.
    const long long size = file.RegularSize();
    if (size <= 0) return ReadWholeFile(path, read_);
    void* map =
        ::mmap(nullptr, static_cast<std::size_t>(size), PROT_READ, MAP_PRIVATE | MAP_POPULATE, file.Descriptor(), 0);
    if (map == MAP_FAILED) return ReadWholeFile(path, read_);
    mapped_ = static_cast<const char*>(map);
    size_ = static_cast<std::size_t>(size);
    return true;
}

bool IsRegularFile(std::string_view path) {
    struct stat info {};
    return ::stat(NativePath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool IsDevice(std::string_view path) {
    struct stat info {};
    if (::stat(NativePath(path).c_str(), &info) != 0) return false;
    return S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode) || S_ISSOCK(info.st_mode);
}

bool ReplaceFile(std::string_view path, std::string_view contents) {
    const std::string target = LinkTarget(NativePath(path));
    const std::string temporary = TemporaryPathBeside(target);
    File file = File::CreateAlways(temporary);
    bool written = file.IsOpen() && file.Write(contents.data(), contents.size()) && file.Sync() && file.Close();
    if (written && ::rename(temporary.c_str(), target.c_str()) == 0) return true;
    Fail();
    int saved = lastErrno;
    ::unlink(temporary.c_str());
    lastErrno = saved;
    return false;
}

std::string TemporaryPathBeside(std::string_view path) {
    static std::atomic<unsigned> made{0};
    const std::string native = NativePath(path);
    const std::size_t slash = native.rfind('/');
    std::string temporary = slash == std::string::npos ? std::string() : native.substr(0, slash + 1);
    return temporary + ".corvatrix-" + std::to_string(::getpid()) + "-" + std::to_string(made++) + ".tmp";
}

bool RenameFile(std::string_view from, std::string_view to) {
    return ::rename(NativePath(from).c_str(), NativePath(to).c_str()) == 0 || Fail();
}

std::vector<std::string> FindFiles(std::string_view folder, std::string_view pattern) {
    std::vector<std::string> names;
    std::string native = NativePath(folder);
    if (native.empty()) native = ".";
    DIR* dir = ::opendir(native.c_str());
    if (!dir) {
        Fail();
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (!WildcardMatch(pattern, name)) continue;
        struct stat info;
        std::string full = native + "/" + name;
        if (::stat(full.c_str(), &info) == 0 && S_ISREG(info.st_mode)) names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

std::string ModulePath(const void* address) {
    Dl_info info;
    if (::dladdr(address, &info) == 0 || !info.dli_fname) return {};
    char resolved[PATH_MAX];
    if (::realpath(info.dli_fname, resolved)) return resolved;
    return info.dli_fname;
}

}  // namespace os
