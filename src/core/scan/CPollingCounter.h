#pragma once

#include <cstdint>
#include <functional>

// Counts the steps of a long loop that has no file to show and calls `poll` every few thousand
// of them, so that a window stays alive through it and hears Stop.
class CPollingCounter {
public:
    explicit CPollingCounter(const std::function<void()>& poll) : poll(poll) {}
    void Tick() {
        if (poll && ++count % kStepsPerPoll == 0) poll();
    }

private:
    static constexpr uint32_t kStepsPerPoll = 4096;
    const std::function<void()>& poll;
    uint32_t count = 0;
};
