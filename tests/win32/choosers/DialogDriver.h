#pragma once

#include "win32/platform/WindowText.h"

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

// Plays the user in the modal dialogs that the test's thread opens (save dialogs, questions,
// message boxes), from a thread of its own, while the test's thread sits in their loops.
// Each step waits for the next dialog window of that thread that was not there before, then
// acts on it; messages go in by PostMessage so that nothing waits on the busy thread.
class CDialogDriver {
public:
    using Step = std::function<void(HWND dialog)>;

    explicit CDialogDriver(std::vector<Step> steps)
        : thread(GetCurrentThreadId()), steps(std::move(steps)) {
        for (HWND w : DialogsOfThread()) known.insert(w);
        worker = std::thread([this] { Run(); });
    }
    ~CDialogDriver() {
        stop = true;
        worker.join();
    }
    CDialogDriver(const CDialogDriver&) = delete;
    CDialogDriver& operator=(const CDialogDriver&) = delete;

    // Every step found its dialog.
    bool Done() const { return done == steps.size(); }

    static void Press(HWND dialog, int id) {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }
    // The text of a message box.
    static std::wstring MessageText(HWND box) { return WindowText(GetDlgItem(box, 0xFFFF)); }
    // Types a name into the save dialog's name field: the edit box in the combo box of the
    // extended combo box 1148.
    static void TypeFileName(HWND dialog, const std::wstring& name) {
        HWND combo = FindWindowExW(GetDlgItem(dialog, 1148), nullptr, L"ComboBox", nullptr);
        HWND edit = FindWindowExW(combo, nullptr, L"Edit", nullptr);
        SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }

private:
    std::vector<HWND> DialogsOfThread() const {
        std::vector<HWND> found;
        EnumThreadWindows(
            thread,
            [](HWND w, LPARAM p) {
                if (IsWindowVisible(w) && WindowClassName(w) == L"#32770")
                    reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    }

    void Run() {
        using namespace std::chrono;
        for (const Step& step : steps) {
            const auto deadline = steady_clock::now() + seconds(15);
            HWND next = nullptr;
            while (!next && !stop && steady_clock::now() < deadline) {
                for (HWND w : DialogsOfThread())
                    if (!known.count(w)) next = w;
                if (!next) std::this_thread::sleep_for(milliseconds(30));
            }
            if (!next) return;
            known.insert(next);
            std::this_thread::sleep_for(milliseconds(100)); // let it finish its set-up
            step(next);
            ++done;
        }
    }

    DWORD thread;
    std::vector<Step> steps;
    std::set<HWND> known;
    std::atomic<bool> stop{false};
    std::atomic<size_t> done{0};
    std::thread worker;
};
