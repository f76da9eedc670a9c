#include "core/platform/CPosixFileSystem.h"

#include "core/text/Utf8.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

namespace {

FileId IdOf(const struct stat& st) {
    return FileId{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
}

FileState StateOf(const struct stat& st) {
    const uint64_t written = static_cast<uint64_t>(st.st_mtim.tv_sec) * 1000000000u +
                             static_cast<uint64_t>(st.st_mtim.tv_nsec);
    return {IdOf(st), S_ISDIR(st.st_mode) ? 0 : static_cast<uint64_t>(st.st_size), written};
}

class CPosixListing : public IDirListing {
public:
    CPosixListing(DIR* dir) : dir(dir) {}
    ~CPosixListing() override { closedir(dir); }
    CPosixListing(const CPosixListing&) = delete;
    CPosixListing& operator=(const CPosixListing&) = delete;

    bool Failed() const override { return failed; }

    bool Next(DirEntry& entry) override {
        for (;;) {
            errno = 0;
            const dirent* d = readdir(dir);
            if (!d) {
                failed = errno != 0;
                return false;
            }
            struct stat target;
            if (fstatat(dirfd(dir), d->d_name, &target, 0) != 0) {
                // A dangling link, or a name gone since it was read, is simply not there;
                // any other failure (no search right on the folder) hides what it is.
                if (errno == ENOENT || errno == ELOOP) continue;
                failed = true;
                return false;
            }
            const bool folder = S_ISDIR(target.st_mode);
            // Only a folder can be a link that matters, so files cost one call, not two.
            struct stat own;
            const bool link = folder &&
                              fstatat(dirfd(dir), d->d_name, &own, AT_SYMLINK_NOFOLLOW) == 0 &&
                              S_ISLNK(own.st_mode);
            entry.name = Utf16FromUtf8(d->d_name);
            entry.attributes = folder ? FileAttributes::kDirectory : FileAttributes::kNormal;
            // Only a folder link is a reparse point to the platform; a file link lists as the
            // file it leads to.
            if (folder && link) entry.attributes |= FileAttributes::kReparsePoint;
            if (d->d_name[0] == '.' && entry.name != u"." && entry.name != u"..")
                entry.attributes |= FileAttributes::kHidden;
            const uint64_t size = folder ? 0 : static_cast<uint64_t>(target.st_size);
            entry.sizeHigh = static_cast<uint32_t>(size >> 32);
            entry.sizeLow = static_cast<uint32_t>(size);
            entry.id = IdOf(target);
            return true;
        }
    }

private:
    DIR* dir;
    bool failed = false;
};

class CPosixFile : public IReadableFile {
public:
    CPosixFile(int fd, bool regular) : fd(fd), regular(regular) {}
    // Closing the only descriptor of the open file also gives up its lock.
    ~CPosixFile() override { close(fd); }
    CPosixFile(const CPosixFile&) = delete;
    CPosixFile& operator=(const CPosixFile&) = delete;

    int64_t Read(void* buffer, uint32_t size) override {
        // A short read is not the end of the file; read until the block is full or it ends.
        uint32_t done = 0;
        while (done < size) {
            const ssize_t n = pread(fd, static_cast<char*>(buffer) + done, size - done,
                                    static_cast<off_t>(offset + done));
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return -1;
            if (n == 0) break;
            done += static_cast<uint32_t>(n);
        }
        offset += done;
        return done;
    }
    // Reads say where they start, so a file opened again goes on without a call of its own.
    bool Seek(uint64_t to) override {
        if (to > static_cast<uint64_t>(std::numeric_limits<off_t>::max())) return false;
        offset = to;
        return true;
    }
    bool IsDiskFile() override { return regular; }
    std::optional<FileState> State() override {
        struct stat st;
        if (fstat(fd, &st) != 0) return std::nullopt;
        return StateOf(st);
    }

private:
    int fd;
    bool regular;
    uint64_t offset = 0;
};

} // namespace

bool CPosixFileSystem::ToUnix(std::u16string_view path, std::string& unixPath) {
    if (path.size() < 3 || (path[0] != u'Z' && path[0] != u'z') || path[1] != u':' ||
        path[2] != u'\\')
        return false;
    std::u16string rest(path.substr(2));
    for (char16_t& c : rest)
        if (c == u'\\') c = u'/';
    unixPath = Utf8FromUtf16(rest);
    return true;
}

std::u16string CPosixFileSystem::FromUnix(std::string_view unixPath) {
    std::u16string path = u"Z:" + Utf16FromUtf8(unixPath);
    for (char16_t& c : path)
        if (c == u'/') c = u'\\';
    return path;
}

std::unique_ptr<IDirListing> CPosixFileSystem::List(std::u16string_view folder) {
    std::string unixPath;
    if (!ToUnix(folder, unixPath)) return nullptr;
    DIR* dir = opendir(unixPath.c_str());
    if (!dir) return nullptr;
    return std::make_unique<CPosixListing>(dir);
}

size_t CPosixFileSystem::OpenFileLimit() {
    // Room is left for what the process holds besides the files compared: its standard
    // streams, a listing, the output of the tool.
    constexpr rlim_t kMargin = 16;
    struct rlimit limit;
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return SIZE_MAX;
    return limit.rlim_cur > kMargin ? static_cast<size_t>(limit.rlim_cur - kMargin) : 1;
}

std::optional<FileState> CPosixFileSystem::State(std::u16string_view path) {
    std::string unixPath;
    struct stat st;
    if (!ToUnix(path, unixPath) || stat(unixPath.c_str(), &st) != 0) return std::nullopt;
    return StateOf(st);
}

std::unique_ptr<IReadableFile> CPosixFileSystem::OpenForReading(std::u16string_view path) {
    std::string unixPath;
    if (!ToUnix(path, unixPath)) return nullptr;
    // Not blocking: a pipe put where a file was listed must not hold the open up for ever.
    const int fd = open(unixPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return nullptr;
    struct stat st;
    // No sharing: a second open of the same file, by any name, fails while this one lasts
    // (advisory, so only among openers that ask, as this program does).
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return nullptr;
    }
    return std::make_unique<CPosixFile>(fd, S_ISREG(st.st_mode));
}
