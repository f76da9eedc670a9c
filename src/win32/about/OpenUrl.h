#pragma once

#include <windows.h>

#include <string>

// Hands `url` to the shell; where the shell cannot open it, runs the program that the ".htm"
// association names with the url appended. Returns the shell's result: above 32 is success.
// A missing or unreadable association ends the attempt with the first result.
INT_PTR OpenUrl(const std::u16string& url, int show, HWND owner);
