#pragma once

#include "core/scan/IScanProgress.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Progress for an engine run without a window: keeps what each field last read, counts the
// polls, calls `onPoll` at each, and answers stop from the poll numbered `stopAtPoll` on (1 is
// the first; 0 never).
class CScriptedProgress : public IScanProgress {
public:
    int polls = 0;
    int stopAtPoll = 0;
    int64_t examined = 0;
    std::array<std::u16string, 5> fields;
    std::function<void(int poll)> onPoll;

    bool ShouldStop() override {
        if (onPoll) onPoll(polls + 1);
        return ++polls >= stopAtPoll && stopAtPoll > 0;
    }
    bool StopNow() override { return ShouldStop(); }
    void Examined(std::u16string_view path) override {
        if (!path.empty()) ShowCount(ScanField::kExamined, ++examined);
    }
    void Show(ScanField field, std::u16string_view text) override { Field(field) = text; }
    void ShowNow(ScanField field, std::u16string_view text) override { Field(field) = text; }
    void Flush() override {}
    std::u16string& Field(ScanField field) { return fields[static_cast<size_t>(field)]; }
};
