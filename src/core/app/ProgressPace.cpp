#include "core/app/ProgressPace.h"

#include "core/window/ControlIds.h"

#include <algorithm>

namespace {

constexpr uint64_t kPumpEveryMs = 25;
constexpr uint64_t kShowEveryMs = 50;

} // namespace

int CProgressPace::IdOf(ScanField field) {
    switch (field) {
    case ScanField::kStatus: return IDC_STATUS;
    case ScanField::kExamined: return IDC_EXAMINED;
    case ScanField::kTotal: return IDC_TOTAL;
    case ScanField::kDuplicates: return IDC_DUPLICATES;
    case ScanField::kEmpty: return IDC_EMPTY;
    }
    return IDC_STATUS;
}

bool CProgressPace::ShouldStop() {
    const uint64_t now = window.Milliseconds();
    if (now - lastPump >= kPumpEveryMs) {
        lastPump = now;
        if (now - lastShown >= kShowEveryMs) {
            lastShown = now;
            Flush();
        }
        window.PumpMessages();
    }
    return stopRequested != 0;
}

bool CProgressPace::StopNow() {
    window.PumpMessages();
    return stopRequested != 0;
}

void CProgressPace::Examined(std::u16string_view path) {
    if (path.empty()) return;
    ++examinedCount;
    Show(IDC_EXAMINED, DecimalText(examinedCount));
    Show(IDC_STATUS, path);
}

void CProgressPace::Show(int id, std::u16string_view text) {
    for (auto& [waitingId, waitingText] : waiting)
        if (waitingId == id) {
            waitingText = text;
            return;
        }
    waiting.emplace_back(id, std::u16string(text));
}

void CProgressPace::ShowNow(int id, std::u16string_view text) {
    std::erase_if(waiting, [id](const auto& w) { return w.first == id; });
    window.SetItemText(id, text);
}

void CProgressPace::Flush() {
    for (const auto& [id, text] : waiting) window.SetItemText(id, text);
    waiting.clear();
}
