#include "core/scan/FolderWalkers.h"

#include "core/scan/ScanPathPool.h"

uint32_t CFolderCounter::Count(std::u16string_view root) {
    count = 0;
    Prepare();
    Walk(root);
    return count;
}

void CFolderCounter::OnEnterFolder(const std::u16string& path, const DirEntry&) {
    if (StopQuery()) stopWalk = 1;
    ++count;
    if (count % 10 == 0) progress.ShowCountNow(ScanField::kExamined, count);
    ShowCounting(progress, path);
}

void CFolderRecorder::Record(std::u16string_view root, FileRecord* from, FileRecord* to) {
    cursor = from;
    end = to;
    Prepare();
    Walk(root);
}

void CFolderRecorder::OnEnterFolder(const std::u16string& path, const DirEntry&) {
    if (StopQuery()) stopWalk = 1;
    if (cursor == end) return;
    cursor->pathIndex = ScanPathPool().Add(path.c_str());
    cursor->sizeHigh = 0;
    cursor->sizeLow = 0;
    progress.Examined(path);
    ++cursor;
    if (StopQuery()) stopWalk = 1;
}
