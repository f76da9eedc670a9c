#pragma once

#include "core/platform/CFakeRecycleShell.h"
#include "core/text/DecimalText.h"
#include "core/window/CCommandWindow.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The main window for tests of the command flows: fields are plain maps, every call is
// logged, a script can act at any poll (press Stop, drop a folder, ...) and message boxes
// are answered from a queue.
class CFakeWindow : public CCommandWindow {
public:
    std::map<int, std::u16string> texts;
    std::map<int, bool> enabled;
    std::map<int, bool> checked;
    std::map<int, int> selected;
    std::vector<int> buttons; // the ids SetButtonsEnabled reaches
    std::vector<std::u16string> log;
    std::vector<std::pair<std::u16string, unsigned>> messages;
    std::deque<int> answers; // message box answers, in order; OK (1) when empty
    std::vector<int> posted;
    int pumps = 0;
    std::function<void(int pump)> onPump;

    std::u16string ItemText(int id) const override {
        auto it = texts.find(id);
        return it == texts.end() ? std::u16string() : it->second;
    }
    void SetItemText(int id, std::u16string_view text) override {
        texts[id] = std::u16string(text);
        log.push_back(u"text " + Number(id) + u" " + texts[id]);
    }
    bool IsItemEnabled(int id) const override {
        auto it = enabled.find(id);
        return it == enabled.end() || it->second;
    }
    void EnableItem(int id, bool enable) override {
        enabled[id] = enable;
        log.push_back((enable ? u"enable " : u"disable ") + Number(id));
    }
    bool IsItemChecked(int id) const override {
        auto it = checked.find(id);
        return it != checked.end() && it->second;
    }
    void CheckItem(int id, bool on) override { checked[id] = on; }
    int SelectedIndex(int id) const override {
        auto it = selected.find(id);
        return it == selected.end() ? -1 : it->second;
    }
    void SelectIndex(int id, int index) override { selected[id] = index; }
    void SetButtonsEnabled(bool enable) override {
        for (int id : buttons) enabled[id] = enable;
        log.push_back(enable ? u"buttons on" : u"buttons off");
    }
    int ShowMessage(std::u16string_view text, unsigned style) override {
        messages.emplace_back(std::u16string(text), style);
        log.push_back(u"message " + std::u16string(text));
        if (answers.empty()) return 1;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void PumpMessages() override {
        ++pumps;
        log.push_back(u"pump");
        if (onPump) onPump(pumps);
    }
    void BringToFront() override { log.push_back(u"front"); }
    void PostCommand(int id) override { posted.push_back(id); }
    void SetWaitCursor(bool on) override { log.push_back(on ? u"wait on" : u"wait off"); }

    // Searches.
    void FocusItem(int id) override { log.push_back(u"focus " + Number(id)); }
    void SetTopmost(bool on) override { log.push_back(on ? u"topmost" : u"not topmost"); }

    static std::u16string Number(int n) { return DecimalText(n); }

    // Deleting ticked items.
    CFakeRecycleShell shell;
    IRecycleShell& RecycleShell() override { return shell; }

    // Exporting the list and opening an item
    std::deque<std::u16string> saveChoices; // save dialog answers, in order; "" or none cancels
    std::vector<std::u16string> opened;
    bool ChooseSaveFile(std::u16string& path) override {
        log.push_back(u"save dialog");
        if (saveChoices.empty()) return false;
        path = saveChoices.front();
        saveChoices.pop_front();
        return !path.empty();
    }
    bool OpenPath(const std::u16string& path) override {
        opened.push_back(path);
        return true;
    }

    // Choosing source folders: the browser answers from a queue, cancelling when it is empty.
    std::deque<std::optional<std::u16string>> browseAnswers;
    std::vector<std::u16string> browseCalls; // caption, prompt and initial path, one line each
    std::optional<std::u16string> BrowseForFolder(std::u16string_view caption,
                                                  std::u16string_view prompt,
                                                  std::u16string_view initialPath) override {
        browseCalls.push_back(std::u16string(caption) + u"|" + std::u16string(prompt) + u"|" +
                              std::u16string(initialPath));
        log.push_back(u"browse");
        if (browseAnswers.empty()) return std::nullopt;
        auto answer = browseAnswers.front();
        browseAnswers.pop_front();
        return answer;
    }

    // Search speed: each reading of the clock moves it on by `clockStep`; the default is long
    // enough that every poll empties the queue and shows progress. Tests of the pace set it.
    uint64_t clock = 0;
    uint64_t clockStep = 1000;
    uint64_t Milliseconds() override { return clock += clockStep; }
};
