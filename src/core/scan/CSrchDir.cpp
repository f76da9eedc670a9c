#include "core/scan/CSrchDir.h"

#include "core/platform/PathNames.h"

void ShowCounting(IScanProgress& progress, std::u16string_view path) {
    if (path.size() > 1 && path.back() == u'\\') path.remove_suffix(1);
    progress.Show(ScanField::kStatus, path);
}

void CSrchDir::Prepare() {
    stopWalk = 0;
    recurse = 1;
}

void CSrchDir::Walk(std::u16string_view root) {
    if (root.empty()) return;
    std::u16string top(root);
    if (top.back() != u'\\') top += u'\\';
    // The listing pattern ("*.*") must fit behind the folder's path.
    if (top.size() + 3 >= kPathBuffer) return;

    stack.clear();
    stack.push_back(Frame{std::move(top), {}, {}, 0, {}, false});
    ListFolder(stack.back());
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (stopWalk || frame.next >= frame.folders.size()) {
            const bool isRoot = stack.size() == 1;
            const std::u16string path = std::move(frame.path);
            const DirEntry entry = std::move(frame.entry);
            stack.pop_back();
            if (!isRoot) OnLeaveFolder(path, entry);
            continue;
        }
        DirEntry entry = std::move(frame.folders[frame.next++]);
        std::u16string sub = frame.path + entry.name + u'\\';
        if (sub.size() + 3 >= kPathBuffer) continue;
        if (entry.IsLink() && LeadsBackUp(sub)) continue;
        OnEnterFolder(sub, entry);
        stack.push_back(Frame{std::move(sub), std::move(entry), {}, 0, {}, false});
        ListFolder(stack.back());
    }
}

void CSrchDir::ListFolder(Frame& frame) {
    if (stopWalk) return;
    auto listing = fileSystem.List(frame.path);
    if (!listing) return;
    DirEntry entry;
    while (listing->Next(entry)) {
        // A name no path can reach would open another file or a device: it is not there.
        if (IsUnaddressableName(entry.name)) continue;
        if (!entry.IsFolder()) {
            if (frame.path.size() + entry.name.size() < kPathBuffer)
                OnFile(frame.path + entry.name, entry);
        } else if (recurse && entry.name != u"." && entry.name != u"..") {
            frame.folders.push_back(std::move(entry));
        }
        if (stopWalk) break;
    }
}

bool CSrchDir::LeadsBackUp(const std::u16string& linkPath) {
    const std::optional<FileId> target = fileSystem.Identity(linkPath);
    if (!target) return false;
    for (Frame& frame : stack) {
        if (!frame.idAsked) {
            frame.id = fileSystem.Identity(frame.path);
            frame.idAsked = true;
        }
        if (frame.id && SameFile(*frame.id, *target)) return true;
    }
    return false;
}
