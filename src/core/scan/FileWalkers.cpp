#include "core/scan/FileWalkers.h"

#include "core/scan/NameKey.h"
#include "core/scan/ScanPathPool.h"

uint32_t CFileCounter::Count(std::u16string_view root) {
    count = 0;
    Prepare();
    Walk(root);
    return count;
}

void CFileCounter::OnFile(const std::u16string&, const DirEntry&) {
    if (StopQuery()) stopWalk = 1;
    ++count;
    if (count % 100 == 0) progress.ShowCount(ScanField::kExamined, count);
}

void CFileCounter::OnEnterFolder(const std::u16string& path, const DirEntry&) {
    ShowCounting(progress, path);
}

void CFileRecorder::Record(std::u16string_view root, int32_t folder, FileRecord* from,
                           FileRecord* to) {
    folderIndex = folder;
    cursor = from;
    end = to;
    Prepare();
    Walk(root);
}

void CFileRecorder::OnFile(const std::u16string& path, const DirEntry& entry) {
    if (StopQuery()) stopWalk = 1;
    if (cursor == end) return;
    CPathPool& pool = ScanPathPool();
    FileRecord& r = *cursor;
    r.folderIndex = folderIndex;
    r.pathIndex = pool.Add(path.c_str());
    r.sizeHigh = entry.sizeHigh;
    r.sizeLow = entry.sizeLow;
    if (criterion == 1) r.nameIndex = pool.Add(entry.name.c_str());
    if (criterion == 2) r.nameIndex = pool.Add(WithoutExtension(entry.name).c_str());
    ids.Note(r.pathIndex, entry.id);
    progress.Examined(path);
    ++cursor;
    if (StopQuery()) stopWalk = 1;
}
