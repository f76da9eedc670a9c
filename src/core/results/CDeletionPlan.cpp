#include "core/results/CDeletionPlan.h"

#include "core/platform/PathNames.h"
#include "core/text/CaseFold.h"

namespace {

constexpr char16_t kSeparator = u'\\';

bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

// "." and ".." would name another folder than the one the list showed, the platform drops
// trailing dots and spaces, so "a." would reach "a", and a device name reaches the device.
bool IsPlainComponent(std::u16string_view name) {
    return !name.empty() && name.back() != u'.' && name.back() != u' ' &&
           !IsUnaddressableName(name);
}

// The length of a drive root "X:\" or a share root "\\server\share\" that `path` starts with;
// 0 when it has neither (a relative path, "\x", "X:x", or the "\\?\" and "\\.\" namespaces,
// where the shell's own path handling does not apply).
size_t RootLength(std::u16string_view path) {
    if (path.size() >= 3 && IsAsciiLetter(path[0]) && path[1] == u':' && path[2] == kSeparator)
        return 3;
    if (path.size() < 2 || path[0] != kSeparator || path[1] != kSeparator) return 0;
    const size_t serverEnd = path.find(kSeparator, 2);
    if (serverEnd == std::u16string_view::npos || serverEnd == 2) return 0;
    const std::u16string_view server = path.substr(2, serverEnd - 2);
    if (server == u"?" || server == u".") return 0;
    const size_t shareEnd = path.find(kSeparator, serverEnd + 1);
    if (shareEnd == std::u16string_view::npos || shareEnd == serverEnd + 1) return 0;
    // A server or a share is a name like any other: spelled "..", "x." or as a device, it
    // would reach another one.
    const std::u16string_view share = path.substr(serverEnd + 1, shareEnd - serverEnd - 1);
    if (!IsPlainComponent(server) || !IsPlainComponent(share)) return 0;
    return shareEnd + 1;
}

// Characters the platform reads as wildcards or separators, or that end a string early.
bool IsUnsafeCharacter(char16_t c) {
    return c < 0x20 || c == u'*' || c == u'?' || c == u'<' || c == u'>' || c == u'"' || c == u'|' ||
           c == u'/' || c == u':';
}

} // namespace

bool CDeletionPlan::HasRoot(std::u16string_view path) { return RootLength(path) != 0; }

bool CDeletionPlan::IsSafeSpelling(std::u16string_view path) {
    if (path.size() >= kMaxPath) return false;
    const size_t root = RootLength(path);
    if (root == 0) return false;
    for (size_t i = 0; i < path.size(); ++i)
        if (IsUnsafeCharacter(path[i]) && !(i == 1 && root == 3)) return false;
    std::u16string_view rest = path.substr(root);
    if (!rest.empty() && rest.back() == kSeparator) rest.remove_suffix(1);
    if (rest.empty()) return false; // a root goes to no recycle bin
    while (true) {
        const size_t end = rest.find(kSeparator);
        if (!IsPlainComponent(rest.substr(0, end))) return false;
        if (end == std::u16string_view::npos) return true;
        rest.remove_prefix(end + 1);
    }
}

std::u16string CDeletionPlan::Key(std::u16string_view path) {
    std::u16string key(path);
    for (char16_t& c : key) c = FoldCase(c);
    if (key.size() > 1 && key.back() == kSeparator) key.pop_back();
    return key;
}

void CDeletionPlan::Refuse(std::u16string_view path) { refused.insert(Key(path)); }

void CDeletionPlan::Hold(std::u16string_view path) { held.insert(Key(path)); }

void CDeletionPlan::Add(const std::u16string& path, const IRecycleShell::Probe& probe) {
    if (probe.kind == IRecycleShell::Kind::kMissing) return;
    if (!IsSafeSpelling(path) || probe.link) return Refuse(path);
    // Two spellings of one key may still be two items (a case-sensitive Unix folder seen
    // through Wine): the second is not handed over, but is looked at afterwards.
    if (exact.insert(path).second) added.push_back(path);
    std::u16string key = Key(path);
    if (!seen.insert(key).second) return;
    if (probe.kind == IRecycleShell::Kind::kFolder) folders.insert(key);
    items.push_back({path, std::move(key)});
}

bool CDeletionPlan::InsideListedFolder(const std::u16string& key) const {
    // Every separator past the root ends the key of one folder above the item.
    const size_t root = RootLength(key);
    for (size_t at = key.find(kSeparator, root); at != std::u16string::npos;
         at = key.find(kSeparator, at + 1))
        if (folders.count(key.substr(0, at))) return true;
    return false;
}

std::vector<std::u16string> CDeletionPlan::HandOver() const {
    std::vector<std::u16string> paths;
    for (const Item& item : items)
        if (!InsideListedFolder(item.key)) paths.push_back(item.path);
    return paths;
}
