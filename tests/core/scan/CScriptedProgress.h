#pragma once

#include "core/scan/CFieldsProgress.h"

#include <functional>

// Progress for an engine run without a window that counts the polls, calls `onPoll` at each,
// and answers stop from the poll numbered `stopAtPoll` on (1 is the first; 0 never).
class CScriptedProgress : public CFieldsProgress {
public:
    int polls = 0;
    int stopAtPoll = 0;
    std::function<void(int poll)> onPoll;

    bool ShouldStop() override {
        if (onPoll) onPoll(polls + 1);
        return ++polls >= stopAtPoll && stopAtPoll > 0;
    }
};
