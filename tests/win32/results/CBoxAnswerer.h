#pragma once

#include <windows.h>

#include <atomic>
#include <deque>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

// Answers the dialog boxes of this process from a thread of its own, so that a command that
// asks questions (or a shell operation that raises its own box) runs in a test and can never
// hang it: each box gets the next scripted button, or No when the script has run out.
class CBoxAnswerer {
public:
    struct Box {
        std::wstring caption, text;
        int answer;
    };

    // `delay`: how long each box stays on the screen before it is answered.
    CBoxAnswerer(HWND mainWindow, std::vector<int> answers, DWORD delay = 0)
        : mainWindow(mainWindow), answers(answers.begin(), answers.end()), delay(delay),
          worker([this] { Watch(); }) {}
    ~CBoxAnswerer() {
        stop = true;
        worker.join();
    }
    CBoxAnswerer(const CBoxAnswerer&) = delete;
    CBoxAnswerer& operator=(const CBoxAnswerer&) = delete;

    std::vector<Box> Boxes() {
        std::lock_guard<std::mutex> lock(mutex);
        return boxes;
    }

private:
    void Watch() {
        while (!stop) {
            Sleep(30);
            EnumWindows(
                [](HWND w, LPARAM self) {
                    reinterpret_cast<CBoxAnswerer*>(self)->Consider(w);
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(this));
        }
    }

    void Consider(HWND w) {
        DWORD process = 0;
        GetWindowThreadProcessId(w, &process);
        wchar_t className[16] = {};
        GetClassNameW(w, className, 16);
        if (process != GetCurrentProcessId() || w == mainWindow || !IsWindowVisible(w) ||
            std::wstring(className) != L"#32770" || answered.count(w))
            return;
        const DWORD now = GetTickCount();
        const DWORD seen = firstSeen.emplace(w, now).first->second;
        if (now - seen < delay) return;
        answered.insert(w);
        wchar_t caption[256] = {}, text[1024] = {};
        GetWindowTextW(w, caption, 256);
        GetDlgItemTextW(w, 0xFFFF, text, 1024); // a message box's text
        std::lock_guard<std::mutex> lock(mutex);
        const int answer = answers.empty() ? IDNO : answers.front();
        if (!answers.empty()) answers.pop_front();
        boxes.push_back({caption, text, answer});
        PostMessageW(w, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(w, answer)));
    }

    HWND mainWindow;
    std::mutex mutex;
    std::deque<int> answers;
    std::vector<Box> boxes;
    DWORD delay;
    std::set<HWND> answered;
    std::map<HWND, DWORD> firstSeen;
    std::atomic<bool> stop{false};
    std::thread worker;
};
