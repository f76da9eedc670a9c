#pragma once

#include "core/scan/IScanProgress.h"
#include "core/window/CCommandWindow.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A search's progress in the window, at the pace of a long command: the queue is emptied
// often enough that Stop takes effect and the window repaints within a blink, and progress is
// drawn about 20 times a second, not per file.
class CProgressPace final : public IScanProgress {
public:
    // `stopRequested` is set by the press of Stop; `examinedCount` counts what was examined.
    CProgressPace(CCommandWindow& window, const int32_t& stopRequested, int64_t& examinedCount)
        : window(window), stopRequested(stopRequested), examinedCount(examinedCount) {}

    bool ShouldStop() override;
    bool StopNow() override;
    void Examined(std::u16string_view path) override;
    void Show(ScanField field, std::u16string_view text) override { Show(IdOf(field), text); }
    void ShowNow(ScanField field, std::u16string_view text) override { ShowNow(IdOf(field), text); }
    void Flush() override;

    // The same for a field of the window by its control id.
    void Show(int id, std::u16string_view text);
    void ShowNow(int id, std::u16string_view text);

private:
    static int IdOf(ScanField field);

    CCommandWindow& window;
    const int32_t& stopRequested;
    int64_t& examinedCount;
    std::vector<std::pair<int, std::u16string>> waiting;
    uint64_t lastPump = 0;
    uint64_t lastShown = 0;
};
