#include "win32/platform/CWin32FileSystem.h"

#include "win32/platform/WinString.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace {

class CHandle {
public:
    explicit CHandle(HANDLE h) : h(h) {}
    ~CHandle() {
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    HANDLE Get() const { return h; }
    bool Valid() const { return h != INVALID_HANDLE_VALUE; }

private:
    HANDLE h;
};

std::optional<FileState> StateOf(HANDLE h) {
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(h, &info)) return std::nullopt;
    const bool folder = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return FileState{FileId{info.dwVolumeSerialNumber,
                            (uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow},
                     folder ? 0 : (uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow,
                     (uint64_t{info.ftLastWriteTime.dwHighDateTime} << 32) |
                         info.ftLastWriteTime.dwLowDateTime};
}

// What an open file is, from the file alone. GetFileInformationByHandle would add the volume's
// serial, which costs Wine a round trip to its mount manager, about 0.6 ms a file: more than
// the open. So the identity of an open file carries no volume. Size and time come from the
// standard and basic classes, which Wine answers from the open descriptor; the network-open
// class, which holds both, costs it a round trip to its server for the file's name.
std::optional<FileState> OpenStateOf(HANDLE h) {
    using QueryFile = LONG(WINAPI*)(HANDLE, void*, void*, ULONG, int);
    static const auto query = reinterpret_cast<QueryFile>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationFile")));
    constexpr int kFileBasicInformation = 4;
    constexpr int kFileStandardInformation = 5;
    constexpr int kFileInternalInformation = 6;
    struct {
        ULONG_PTR status;
        ULONG_PTR information;
    } io{};
    LARGE_INTEGER index{};
    struct {
        LARGE_INTEGER creation, lastAccess, lastWrite, change;
        ULONG attributes;
    } basic{};
    struct {
        LARGE_INTEGER allocation, endOfFile;
        ULONG links;
        BOOLEAN deletePending, directory;
    } standard{};
    if (!query || query(h, &io, &index, sizeof index, kFileInternalInformation) != 0 ||
        query(h, &io, &standard, sizeof standard, kFileStandardInformation) != 0 ||
        query(h, &io, &basic, sizeof basic, kFileBasicInformation) != 0)
        return std::nullopt;
    return FileState{FileId{0, static_cast<uint64_t>(index.QuadPart)},
                     standard.directory ? 0 : static_cast<uint64_t>(standard.endOfFile.QuadPart),
                     static_cast<uint64_t>(basic.lastWrite.QuadPart)};
}

std::optional<FileId> IdOf(HANDLE h) {
    const std::optional<FileState> state = StateOf(h);
    return state ? std::optional<FileId>(state->id) : std::nullopt;
}

HANDLE OpenFolder(const std::u16string& folder) {
    return CreateFileW(W(folder), FILE_LIST_DIRECTORY,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// Entries with their file ids, read in blocks from a handle on the folder.
class CIdListing : public IDirListing {
public:
    CIdListing(HANDLE folder, uint64_t volume, std::u16string path,
               std::unordered_map<std::u16string, uint64_t>& volumeOfFolder)
        : folder(folder), volume(volume), path(std::move(path)), volumeOfFolder(volumeOfFolder),
          block(64 * 1024) {}

    bool Fill() {
        const auto kind = first ? FileIdBothDirectoryRestartInfo : FileIdBothDirectoryInfo;
        first = false;
        offset = 0;
        if (!GetFileInformationByHandleEx(folder.Get(), kind, block.data(),
                                          static_cast<DWORD>(block.size())))
            return false;
        filled = true;
        return true;
    }

    bool Failed() const override { return failed; }

    bool Next(DirEntry& entry) override {
        if (!filled && !Fill()) {
            failed = GetLastError() != ERROR_NO_MORE_FILES;
            return false;
        }
        const auto* info = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(block.data() + offset);
        entry.name.assign(U(info->FileName), info->FileNameLength / sizeof(WCHAR));
        entry.attributes = info->FileAttributes;
        const auto size = static_cast<uint64_t>(info->EndOfFile.QuadPart);
        entry.sizeHigh = entry.IsFolder() ? 0 : static_cast<uint32_t>(size >> 32);
        entry.sizeLow = entry.IsFolder() ? 0 : static_cast<uint32_t>(size);
        entry.id = FileId{volume, static_cast<uint64_t>(info->FileId.QuadPart)};
        if (entry.IsFolder() && !entry.IsLink() && entry.name != u"." && entry.name != u"..")
            volumeOfFolder[path + entry.name + u'\\'] = volume;
        // A file link's id is the link's own: only an open tells which file it leads to.
        if (entry.IsLink() && !entry.IsFolder()) {
            CHandle file(CreateFileW(W(path + entry.name), 0,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
            entry.id = file.Valid() ? IdOf(file.Get()) : std::nullopt;
        }
        if (info->NextEntryOffset == 0)
            filled = false;
        else
            offset += info->NextEntryOffset;
        return true;
    }

private:
    CHandle folder;
    uint64_t volume;
    std::u16string path;
    std::unordered_map<std::u16string, uint64_t>& volumeOfFolder;
    std::vector<unsigned char> block; // 8-byte aligned by the allocator
    size_t offset = 0;
    bool first = true;
    bool filled = false;
    bool failed = false;
};

// Where a folder handle cannot list with ids: the platform's ordinary enumeration.
class CFindListing : public IDirListing {
public:
    explicit CFindListing(const std::u16string& folder) {
        find = FindFirstFileW(W(folder + u"*.*"), &data);
    }
    ~CFindListing() override {
        if (find != INVALID_HANDLE_VALUE) FindClose(find);
    }
    CFindListing(const CFindListing&) = delete;
    CFindListing& operator=(const CFindListing&) = delete;
    bool Valid() const { return find != INVALID_HANDLE_VALUE; }

    bool Next(DirEntry& entry) override {
        if (find == INVALID_HANDLE_VALUE || done) return false;
        entry.name = U(data.cFileName);
        entry.attributes = data.dwFileAttributes;
        entry.sizeHigh = data.nFileSizeHigh;
        entry.sizeLow = data.nFileSizeLow;
        entry.id.reset();
        done = !FindNextFileW(find, &data);
        failed = done && GetLastError() != ERROR_NO_MORE_FILES;
        return true;
    }
    bool Failed() const override { return failed; }

private:
    WIN32_FIND_DATAW data{};
    HANDLE find = INVALID_HANDLE_VALUE;
    bool done = false;
    bool failed = false;
};

class CWin32File : public IReadableFile {
public:
    explicit CWin32File(HANDLE h) : file(h) {}
    int64_t Read(void* buffer, uint32_t size) override {
        DWORD read = 0;
        if (!ReadFile(file.Get(), buffer, size, &read, nullptr)) return -1;
        return read;
    }
    bool Seek(uint64_t offset) override {
        LARGE_INTEGER to;
        to.QuadPart = static_cast<LONGLONG>(offset);
        return SetFilePointerEx(file.Get(), to, nullptr, FILE_BEGIN) != 0;
    }
    // A name can open a device (aux.log under Wine is a serial port whose read never ends).
    bool IsDiskFile() override { return GetFileType(file.Get()) == FILE_TYPE_DISK; }
    std::optional<FileState> State() override { return OpenStateOf(file.Get()); }

private:
    CHandle file;
};

} // namespace

std::unique_ptr<IDirListing> CWin32FileSystem::List(std::u16string_view folder) {
    const std::u16string path(folder);
    std::optional<uint64_t> volume;
    if (const auto known = volumeOfFolder.find(path); known != volumeOfFolder.end()) {
        volume = known->second;
        volumeOfFolder.erase(known);
    } else {
        volumeOfFolder.clear(); // a new walk: what the last one left is of no use
    }
    HANDLE h = OpenFolder(path);
    if (h != INVALID_HANDLE_VALUE) {
        if (!volume)
            if (const std::optional<FileId> own = IdOf(h)) volume = own->volume;
        auto listing = std::make_unique<CIdListing>(h, volume.value_or(0), path, volumeOfFolder);
        if (volume) {
            if (listing->Fill()) return listing;
            if (GetLastError() == ERROR_NO_MORE_FILES) return listing; // nothing in it at all
        }
    }
    auto find = std::make_unique<CFindListing>(path);
    if (!find->Valid()) return nullptr;
    return find;
}

std::optional<FileState> CWin32FileSystem::State(std::u16string_view path) {
    CHandle h(CreateFileW(W(std::u16string(path)), 0,
                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!h.Valid()) return std::nullopt;
    return OpenStateOf(h.Get());
}

std::unique_ptr<IReadableFile> CWin32FileSystem::OpenForReading(std::u16string_view path) {
    HANDLE h = CreateFileW(W(std::u16string(path)), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<CWin32File>(h);
}

std::optional<FileState> CWin32FileSystem::StateByName(std::u16string_view path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(W(std::u16string(path)), GetFileExInfoStandard, &data))
        return std::nullopt;
    const bool folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return FileState{
        FileId{}, folder ? 0 : (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow,
        (uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime};
}
