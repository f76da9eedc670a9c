#include "core/scan/CListingJournal.h"

#include <cstring>
#include <new>
#include <string>

namespace {

// Big enough that the platform's heap gives each chunk its own pages and takes them back
// when the chunk is freed.
constexpr size_t kChunk = size_t{1} << 20;

constexpr uint8_t kEnd = 0;
constexpr uint8_t kEntry = 1;

} // namespace

// Passes the file system's listing on and keeps a copy of every entry.
class CListingJournal::CRecordingListing : public IDirListing {
public:
    CRecordingListing(CListingJournal& journal, std::unique_ptr<IDirListing> listing)
        : journal(journal), listing(std::move(listing)) {
        journal.listingOpen = true;
    }
    ~CRecordingListing() override {
        journal.listingOpen = false;
        // A walk that broke off left this listing half kept: nothing after it can be trusted.
        if (!ended) journal.Drop();
    }
    bool Next(DirEntry& entry) override {
        if (ended) return false;
        if (!listing->Next(entry)) {
            ended = true;
            journal.Put(&kEnd, 1);
            const uint8_t failed = listing->Failed() ? 1 : 0;
            journal.Put(&failed, 1);
            return false;
        }
        journal.Put(&kEntry, 1);
        journal.Put(&entry.attributes, sizeof entry.attributes);
        journal.Put(&entry.sizeHigh, sizeof entry.sizeHigh);
        journal.Put(&entry.sizeLow, sizeof entry.sizeLow);
        const uint8_t hasId = entry.id ? 1 : 0;
        journal.Put(&hasId, 1);
        if (entry.id) {
            journal.Put(&entry.id->volume, sizeof entry.id->volume);
            journal.Put(&entry.id->index, sizeof entry.id->index);
        }
        journal.PutString(entry.name);
        return true;
    }
    bool Failed() const override { return listing->Failed(); }

private:
    CListingJournal& journal;
    std::unique_ptr<IDirListing> listing;
    bool ended = false;
};

// Reads one kept listing back.
class CListingJournal::CPlaybackListing : public IDirListing {
public:
    explicit CPlaybackListing(CListingJournal& journal) : journal(journal) {
        journal.listingOpen = true;
    }
    ~CPlaybackListing() override {
        // The next listing starts behind this one's end.
        DirEntry rest;
        while (Next(rest)) {}
        journal.listingOpen = false;
    }
    bool Next(DirEntry& entry) override {
        if (ended) return false;
        uint8_t tag = kEnd;
        if (!journal.Get(&tag, 1) || tag == kEnd) {
            uint8_t failedByte = 1; // a journal cut short cannot vouch for the rest
            if (tag == kEnd) journal.Get(&failedByte, 1);
            failed = failedByte != 0;
            ended = true;
            return false;
        }
        uint8_t hasId = 0;
        journal.Get(&entry.attributes, sizeof entry.attributes);
        journal.Get(&entry.sizeHigh, sizeof entry.sizeHigh);
        journal.Get(&entry.sizeLow, sizeof entry.sizeLow);
        journal.Get(&hasId, 1);
        entry.id.reset();
        if (hasId) {
            FileId id;
            journal.Get(&id.volume, sizeof id.volume);
            journal.Get(&id.index, sizeof id.index);
            entry.id = id;
        }
        journal.GetString(entry.name);
        return true;
    }
    bool Failed() const override { return failed; }

private:
    CListingJournal& journal;
    bool ended = false;
    bool failed = false;
};

CListingJournal::CListingJournal(IFileSystem*& slot) : slot(slot), fileSystem(*slot) {
    slot = this;
}

CListingJournal::~CListingJournal() { slot = &fileSystem; }

void CListingJournal::StartPlayback() {
    playing = recording;
    recording = false;
}

std::unique_ptr<IDirListing> CListingJournal::List(std::u16string_view folder) {
    // A listing asked for inside another is not part of the walk the journal follows.
    if (listingOpen || (!recording && !playing)) return fileSystem.List(folder);
    if (recording) {
        PutString(folder);
        std::unique_ptr<IDirListing> listing = fileSystem.List(folder);
        const uint8_t listed = listing ? 1 : 0;
        Put(&listed, 1);
        if (!listing) return nullptr;
        return std::make_unique<CRecordingListing>(*this, std::move(listing));
    }
    std::u16string kept;
    uint8_t listed = 0;
    if (!GetString(kept) || kept != folder || !Get(&listed, 1)) {
        // The second walk went another way than the first: ask the file system from here on.
        Drop();
        return fileSystem.List(folder);
    }
    if (!listed) return nullptr;
    return std::make_unique<CPlaybackListing>(*this);
}

std::optional<FileState> CListingJournal::State(std::u16string_view path) {
    return fileSystem.State(path);
}

std::unique_ptr<IReadableFile> CListingJournal::OpenForReading(std::u16string_view path) {
    return fileSystem.OpenForReading(path);
}

void CListingJournal::Put(const void* bytes, size_t size) {
    const auto* from = static_cast<const std::byte*>(bytes);
    while (recording && size > 0) {
        if (chunks.empty() || writeAt == kChunk) {
            // Without memory for more the walks simply list twice, as they would without a
            // journal.
            std::unique_ptr<std::byte[]> chunk(new (std::nothrow) std::byte[kChunk]);
            if (!chunk) {
                Drop();
                return;
            }
            chunks.push_back(std::move(chunk));
            writeAt = 0;
        }
        const size_t n = std::min(size, kChunk - writeAt);
        std::memcpy(chunks.back().get() + writeAt, from, n);
        writeAt += n;
        from += n;
        size -= n;
    }
}

void CListingJournal::PutString(std::u16string_view s) {
    const auto length = static_cast<uint32_t>(s.size());
    Put(&length, sizeof length);
    Put(s.data(), s.size() * sizeof(char16_t));
}

bool CListingJournal::Get(void* bytes, size_t size) {
    auto* to = static_cast<std::byte*>(bytes);
    while (size > 0) {
        if (chunks.empty()) return false;
        const size_t end = chunks.size() == 1 ? writeAt : kChunk;
        if (readAt == end) {
            if (chunks.size() == 1) return false;
            chunks.pop_front(); // played back: its memory goes back at once
            readAt = 0;
            continue;
        }
        const size_t n = std::min(size, end - readAt);
        std::memcpy(to, chunks.front().get() + readAt, n);
        readAt += n;
        to += n;
        size -= n;
    }
    return true;
}

bool CListingJournal::GetString(std::u16string& s) {
    uint32_t length = 0;
    if (!Get(&length, sizeof length)) return false;
    s.resize(length);
    return Get(s.data(), s.size() * sizeof(char16_t));
}

void CListingJournal::Drop() {
    chunks.clear();
    writeAt = readAt = 0;
    recording = false;
    playing = false;
}
