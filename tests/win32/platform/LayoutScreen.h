#pragma once

#include <windows.h>

#include <gtest/gtest.h>

// The layout tests place windows at their design sizes and resize them beyond: on a screen
// smaller than the one they were written for, the platform clamps the windows and what they
// measure is the screen. They say so and stand aside; the display line of the run tells which
// screen it was.
inline bool ScreenTooSmallForLayout() {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work.right - work.left < 1280 || work.bottom - work.top < 1024;
}

#define SKIP_ON_A_SCREEN_TOO_SMALL_FOR_LAYOUT()                                                    \
    if (ScreenTooSmallForLayout())                                                                 \
    GTEST_SKIP() << "the screen is smaller than 1280 x 1024: no layout to measure"
