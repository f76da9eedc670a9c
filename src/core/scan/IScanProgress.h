#pragma once

#include "core/text/DecimalText.h"

#include <cstdint>
#include <string_view>

// The fields a scan or a search fills in while it runs.
enum class ScanField { kStatus, kExamined, kTotal, kDuplicates, kEmpty };

// How a scan or a search tells how far it got, and learns that it should stop. The window
// paces what it shows and keeps itself alive in the polls; a tool or a test may show
// everything or nothing, and stop wherever it likes.
class IScanProgress {
public:
    virtual ~IScanProgress() = default;

    // The poll of long loops, cheap enough to ask per file: true once a stop was asked for.
    virtual bool ShouldStop() = 0;
    // Between two steps of a search: lets the window run now, whatever the pace, then
    // answers as ShouldStop does.
    virtual bool StopNow() = 0;
    // One more item examined: its path, for the counter and the status line.
    virtual void Examined(std::u16string_view path) = 0;
    // Shown at the pace of the polls; only the latest text of a field is shown.
    virtual void Show(ScanField field, std::u16string_view text) = 0;
    // Shown at once; what waited for the same field is dropped.
    virtual void ShowNow(ScanField field, std::u16string_view text) = 0;
    // Shows what waits, so that a phase ends on its exact figures.
    virtual void Flush() = 0;

    void ShowCount(ScanField field, int64_t value) { Show(field, DecimalText(value)); }
    void ShowCountNow(ScanField field, int64_t value) { ShowNow(field, DecimalText(value)); }
};
