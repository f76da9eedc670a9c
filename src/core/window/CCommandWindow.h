#pragma once

#include "core/platform/IRecycleShell.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The main window as the commands see it. The real dialog implements it; tests use a
// scripted fake that can press Stop at any poll and answer any message box.
class CCommandWindow {
public:
    virtual ~CCommandWindow() = default;

    virtual std::u16string ItemText(int id) const = 0;
    virtual void SetItemText(int id, std::u16string_view text) = 0;
    virtual bool IsItemEnabled(int id) const = 0;
    virtual void EnableItem(int id, bool enable) = 0;
    virtual bool IsItemChecked(int id) const = 0;
    virtual void CheckItem(int id, bool checked) = 0;
    virtual int SelectedIndex(int id) const = 0;
    virtual void SelectIndex(int id, int index) = 0;

    // Enables or disables every push button and check box of the window, nothing else.
    virtual void SetButtonsEnabled(bool enable) = 0;
    // A modal message box owned by the window, captioned with the program's name; `style`
    // takes the platform's MB_ values. Returns the button pressed (IDOK 1, IDYES 6, ...).
    virtual int ShowMessage(std::u16string_view text, unsigned style) = 0;
    // Dispatches every message waiting in the queue, so that the window stays alive and a
    // press of Stop arrives during a long command.
    virtual void PumpMessages() = 0;
    virtual void BringToFront() = 0;
    virtual void PostCommand(int id) = 0;
    virtual void SetWaitCursor(bool on) = 0;

    // Searches: the focus moves to a control when a search cannot start; the window stays
    // above all others while it reports how the search ended.
    virtual void FocusItem(int id) = 0;
    virtual void SetTopmost(bool on) = 0;
    // Deleting ticked items: the shell that sends them to the recycle bin.
    virtual IRecycleShell& RecycleShell() = 0;
    // Exporting the list and opening an item
    // The export's save dialog. False when the user cancelled or the chosen name was refused
    // (the refusal has been explained already); else `path` is the file to write.
    virtual bool ChooseSaveFile(std::u16string& path) = 0;
    // Hands a path to the shell's default action; true when the shell reports success.
    virtual bool OpenPath(const std::u16string& path) = 0;
    // Choosing source folders: the folder browser's path, or nothing when it was cancelled.
    virtual std::optional<std::u16string> BrowseForFolder(std::u16string_view caption,
                                                          std::u16string_view prompt,
                                                          std::u16string_view initialPath) = 0;
    // Search speed: a clock in milliseconds, so that progress is shown and the queue emptied
    // at a steady pace rather than for every file.
    virtual uint64_t Milliseconds() = 0;
};
