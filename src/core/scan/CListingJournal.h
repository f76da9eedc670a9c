#pragma once

#include "core/platform/IFileSystem.h"

#include <cstddef>
#include <deque>
#include <memory>

// Keeps what the first walk of a scan listed, so that the second walk reads it back instead
// of asking the file system again: one enumeration of every folder instead of two. A second
// enumeration costs as much as the first, and under Wine it costs more than everything else
// the filling walk does.
//
// Listings are played back in the order they were made, each only once, and the memory of
// what was played back is given back as the playback goes. When the second walk asks for a
// folder other than the next one kept (the tree's links answered differently, say), the rest
// is dropped and every later call goes to the file system, as if there were no journal.
// Identities and opens always go to the file system.
//
// The journal stands in for the file system in `slot` for as long as it lives, so that the
// walkers of a scan use it without knowing.
class CListingJournal : public IFileSystem {
public:
    explicit CListingJournal(IFileSystem*& slot);
    ~CListingJournal() override;
    CListingJournal(const CListingJournal&) = delete;
    CListingJournal& operator=(const CListingJournal&) = delete;

    // The first walk is over: from now on listings come from the journal.
    void StartPlayback();
    // Whether the journal still answers listings (false once it had to give up).
    bool IsPlayingBack() const { return playing; }

    std::unique_ptr<IDirListing> List(std::u16string_view folder) override;
    std::optional<FileState> State(std::u16string_view path) override;
    std::unique_ptr<IReadableFile> OpenForReading(std::u16string_view path) override;
    size_t OpenFileLimit() override { return fileSystem.OpenFileLimit(); }
    std::optional<FileState> StateByName(std::u16string_view path) override {
        return fileSystem.StateByName(path);
    }

private:
    class CRecordingListing;
    class CPlaybackListing;

    void Put(const void* bytes, size_t size);
    void PutString(std::u16string_view s);
    // False when the journal has less left than asked for.
    bool Get(void* bytes, size_t size);
    bool GetString(std::u16string& s);
    void Drop();

    IFileSystem*& slot;
    IFileSystem& fileSystem;
    // The journal is a byte stream in chunks, so that playback can free them one by one.
    std::deque<std::unique_ptr<std::byte[]>> chunks;
    size_t writeAt = 0; // in the last chunk
    size_t readAt = 0;  // in the first chunk
    bool recording = true;
    bool playing = false;
    bool listingOpen = false; // a listing is being recorded or played back
};
