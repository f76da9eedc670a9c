#pragma once

#include <windows.h>

// Empties the thread's message queue, giving the dialog's keyboard handling (Tab, Enter, Esc,
// mnemonics) the first look at each message. A quit request is posted again and ends the
// pumping at once, so that it takes effect when the long command under way has finished.
void PumpMessages(HWND dialog);

// Enables or disables every child of `dialog` whose class is exactly "Button" and whose id is
// not -1: every push button and check box, nothing else.
void SetButtonsEnabled(HWND dialog, bool enable);
