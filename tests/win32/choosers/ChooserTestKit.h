#pragma once

// What the tests of the folder choosers need under Wine: a scratch folder of their own, a
// way to find this thread's dialogs and message boxes, and a script that plays the user
// from a timer while a modal loop runs.

#include "win32/platform/WindowText.h"

#include <windows.h>

#include <cstdlib>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// A folder under the build tree's scratch folder, emptied when the test ends.
class ScratchTree {
public:
    explicit ScratchTree(const std::wstring& name) {
        const char* unix = std::getenv("CORVANE_TEST_TMP");
        std::wstring base = L"Z:";
        for (const char* c = unix ? unix : "/tmp"; *c; ++c) base += *c == '/' ? L'\\' : *c;
        CreateDirectoryW(base.c_str(), nullptr);
        path = base + L"\\" + name;
        Remove(path);
        CreateDirectoryW(path.c_str(), nullptr);
    }
    ~ScratchTree() { Remove(path); }
    ScratchTree(const ScratchTree&) = delete;
    ScratchTree& operator=(const ScratchTree&) = delete;

    std::wstring Folder(const std::wstring& name) const {
        const std::wstring p = path + L"\\" + name;
        CreateDirectoryW(p.c_str(), nullptr);
        return p;
    }
    std::wstring File(const std::wstring& name) const {
        const std::wstring p = path + L"\\" + name;
        CloseHandle(CreateFileW(p.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        return p;
    }

    std::wstring path;

private:
    static void Remove(const std::wstring& p) {
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((p + L"\\*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = data.cFileName;
                if (name == L"." || name == L"..") continue;
                const std::wstring child = p + L"\\" + name;
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    Remove(child);
                else
                    DeleteFileW(child.c_str());
            } while (FindNextFileW(find, &data));
            FindClose(find);
        }
        RemoveDirectoryW(p.c_str());
    }
};

// Visible top-level dialog windows of this thread (message boxes and the shell's browser are
// dialogs too).
inline std::vector<HWND> ThreadDialogs() {
    std::vector<HWND> found;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM l) -> BOOL {
            if (IsWindowVisible(w) && WindowClassName(w) == L"#32770")
                reinterpret_cast<std::vector<HWND>*>(l)->push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The shell's browse dialog once the program's edit box is in it.
inline HWND FindBrowser() {
    for (HWND w : ThreadDialogs())
        if (GetDlgItem(w, 14145) && GetDlgItem(w, 14148)) return w;
    return nullptr;
}

// A message box owned by `owner`: its text is the static control 0xFFFF.
inline HWND FindMessageBox(HWND owner) {
    for (HWND w : ThreadDialogs())
        if (GetWindow(w, GW_OWNER) == owner && GetDlgItem(w, 0xFFFF)) return w;
    return nullptr;
}

inline std::u16string MessageBoxText(HWND box) {
    const std::wstring text = WindowText(GetDlgItem(box, 0xFFFF));
    return std::u16string(text.begin(), text.end());
}

// Plays the user from a thread timer, so that it runs inside whatever modal loop is up. Each
// step is tried every 40 ms until it says it is done; one that never is, within 8 s, ends the
// script as failed and closes every dialog of the thread, as does a dialog still open 8 s
// after the last step, so that a broken test cannot hang.
class Script {
public:
    using Step = std::function<bool()>;

    Script& Then(Step step) {
        steps.push_back(std::move(step));
        return *this;
    }
    // A step that always succeeds at its first try.
    Script& Do(std::function<void()> action) {
        return Then([action = std::move(action)] {
            action();
            return true;
        });
    }
    void Start() {
        current = this;
        tries = 0;
        timer = SetTimer(nullptr, 0, 40, Tick);
    }
    ~Script() {
        if (timer) KillTimer(nullptr, timer);
        if (current == this) current = nullptr;
    }

    bool Finished() const { return steps.empty() && !failed; }
    bool failed = false;
    size_t failedStep = 0;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        Script* self = current;
        if (!self || self->busy) return; // a step's own modal loop lets the timer in again
        self->busy = true;
        self->Advance();
        self->busy = false;
    }
    void Advance() {
        if (failed) {
            for (HWND w : ThreadDialogs()) PostMessageW(w, WM_CLOSE, 0, 0);
            if (ThreadDialogs().empty() || ++tries > 200) Stop();
            return;
        }
        if (steps.empty()) {
            // The last step should have closed what it drove; whatever is still open after a
            // while is a failure, and is closed so that the test ends.
            if (ThreadDialogs().empty()) {
                Stop();
            } else if (++tries * 40 > 8000) {
                failed = true;
                failedStep = done;
                tries = 0;
            }
            return;
        }
        if (steps.front()()) {
            steps.pop_front();
            ++done;
            tries = 0;
        } else if (++tries * 40 > 8000) {
            failed = true;
            failedStep = done;
            tries = 0;
        }
    }
    void Stop() {
        KillTimer(nullptr, timer);
        timer = 0;
    }

    static inline Script* current = nullptr;
    std::deque<Step> steps;
    UINT_PTR timer = 0;
    int tries = 0;
    size_t done = 0;
    bool busy = false;
};
