#pragma once

#include "core/scan/IScanProgress.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Progress for an engine run without a window (the search tool, tests): keeps what each field
// last read, as the window's fields read once a search ends, and never asks to stop.
class CFieldsProgress : public IScanProgress {
public:
    int64_t examined = 0;
    // As a search's reset leaves them: the counters at 0, the status and the total empty.
    std::array<std::u16string, 5> fields = {u"", u"0", u"", u"0", u"0"};

    bool ShouldStop() override { return false; }
    bool StopNow() override { return ShouldStop(); }
    void Examined(std::u16string_view path) override {
        if (!path.empty()) ShowCount(ScanField::kExamined, ++examined);
    }
    void Show(ScanField field, std::u16string_view text) override { Field(field) = text; }
    void ShowNow(ScanField field, std::u16string_view text) override { Field(field) = text; }
    void Flush() override {}
    std::u16string& Field(ScanField field) { return fields[static_cast<size_t>(field)]; }
};
