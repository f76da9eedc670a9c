// The pace of a long command: the queue is emptied often enough that Stop takes effect and the
// window repaints within a blink, and progress is drawn about 20 times a second, not per file.
#include "core/app/CMainCommands.h"
#include "core/text/DecimalText.h"

#include <algorithm>

namespace {

constexpr uint64_t kPumpEveryMs = 25;
constexpr uint64_t kShowEveryMs = 50;

} // namespace

bool CMainCommands::ShouldStop() {
    const uint64_t now = window.Milliseconds();
    if (now - lastPump >= kPumpEveryMs) {
        lastPump = now;
        if (now - lastShown >= kShowEveryMs) {
            lastShown = now;
            FlushProgress();
        }
        window.PumpMessages();
    }
    return stopRequested != 0;
}

void CMainCommands::ShowProgress(int id, std::u16string_view text) {
    for (auto& [waitingId, waitingText] : waitingProgress)
        if (waitingId == id) {
            waitingText = text;
            return;
        }
    waitingProgress.emplace_back(id, std::u16string(text));
}

void CMainCommands::ShowProgress(int id, int64_t value) { ShowProgress(id, DecimalText(value)); }

void CMainCommands::ShowNow(int id, std::u16string_view text) {
    std::erase_if(waitingProgress, [id](const auto& waiting) { return waiting.first == id; });
    window.SetItemText(id, text);
}

void CMainCommands::FlushProgress() {
    for (const auto& [id, text] : waitingProgress) window.SetItemText(id, text);
    waitingProgress.clear();
}
