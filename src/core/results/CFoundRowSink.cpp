#include "core/results/CFoundRowSink.h"

#include "core/results/ResultRows.h"

void CFoundRowSink::Duplicate(std::u16string_view anchor, std::u16string_view path,
                              uint64_t anchorPrint, uint64_t print) {
    progress.ShowCount(ScanField::kDuplicates, ++duplicateCount);
    progress.Show(ScanField::kStatus, path);
    Append(anchor, path, anchorPrint, print);
}

void CFoundRowSink::EmptyFile(std::u16string_view path, uint64_t print) {
    progress.ShowCount(ScanField::kEmpty, ++emptyCount);
    progress.Show(ScanField::kStatus, path);
    Append(kEmptyFileLabel, path, 0, print);
}

void CFoundRowSink::EmptyFolder(std::u16string_view path) {
    // Empty folders are few and each is a find of its own: shown at once.
    progress.ShowCountNow(ScanField::kEmpty, ++emptyCount);
    progress.ShowNow(ScanField::kStatus, path);
    // Whether a folder is still empty is asked afresh when it is deleted; nothing to keep.
    Append(kEmptyFolderLabel, path, 0, 0);
}

void CFoundRowSink::Append(std::u16string_view left, std::u16string_view right, uint64_t leftPrint,
                           uint64_t rightPrint) {
    AppendResultRow(grid, left, right);
    prints.Append(leftPrint, rightPrint);
}
