// The three spelling rules for paths and names, each against a plain reading of its own comment:
// what the folder browser may take, what the shell may be handed for recycling, and which listed
// names no path of ours can reach. A path that passes is never one the platform would read
// short or differently.
#include "core/choosers/FolderPathRules.h"
#include "core/platform/PathNames.h"
#include "core/results/CDeletionPlan.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

// Pieces that make paths interesting: roots, separators, dots, spaces, devices in mixed case,
// digits and superscripts, control and reserved characters, a NUL, letters that only look like
// ASCII, and a long name to reach the length limits.
constexpr char16_t kHalves[] = {0xD83D, 0xDE00};
const std::u16string kLong(256, u'x');
const std::u16string_view kPieces[] = {
    u"D:",     u"z:",    u"\\",      u"\\\\",      u"/",
    u":",      u".",     u"..",      u" ",         u"\t",
    u"a",      u"B",     u"x",       u"CON",       u"con",
    u"aUx",    u"PRN",   u"nul",     u"COM",       u"lpt",
    u"Lpt",    u"cOm",   u"0",       u"1",         u"9",
    u"¹",      u"²",     u"³",       u"´",         u"?",
    u"*",      u"<",     u">",       u"\"",        u"|",
    u"\x1",    u"\x1F",  {u"\0", 1}, u"\x7F",      u"\u00A0",
    u"é",      u"Ｄ",    u"文",      {kHalves, 1}, {kHalves + 1, 1},
    u"server", u"share", kLong};
constexpr size_t kPieceCount = sizeof(kPieces) / sizeof(kPieces[0]);

// Bytes below 0xF0 pick a piece; the others take the next two bytes as one raw unit.
std::u16string Decode(const uint8_t* data, size_t size) {
    std::u16string s;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] < 0xF0) {
            s += kPieces[data[i] % kPieceCount];
        } else if (i + 2 < size) {
            s += static_cast<char16_t>(data[i + 1] | (data[i + 2] << 8));
            i += 2;
        }
    }
    return s;
}

bool IsAsciiLetter(char16_t c) { return (c | 0x20) >= u'a' && (c | 0x20) <= u'z'; }

// What no file name may hold on the platform: control characters, the separators, the drive
// colon, the wildcards and the redirection marks.
bool ForbiddenInName(char16_t c) {
    if (c <= 0x1F) return true;
    for (char16_t bad : {u'\\', u'/', u':', u'*', u'?', u'"', u'<', u'>', u'|'})
        if (c == bad) return true;
    return false;
}

std::vector<std::u16string_view> SplitAtBackslash(std::u16string_view s) {
    std::vector<std::u16string_view> pieces;
    size_t from = 0;
    for (size_t i = 0; i <= s.size(); ++i) {
        if (i == s.size() || s[i] == u'\\') {
            pieces.push_back(s.substr(from, i - from));
            from = i + 1;
        }
    }
    return pieces;
}

bool IsDriveHead(std::u16string_view head) {
    return head.size() == 2 && IsAsciiLetter(head[0]) && head[1] == u':';
}

// The folder browser: a drive root, or a drive and names that neither start nor end with a
// tab, a space or a dot.
bool FolderPathModel(std::u16string_view path) {
    const auto pieces = SplitAtBackslash(path);
    if (pieces.size() < 2 || !IsDriveHead(pieces[0])) return false;
    if (pieces.size() == 2 && pieces[1].empty()) return true;
    auto badEnd = [](char16_t c) { return c == u'\t' || c == u' ' || c == u'.'; };
    for (size_t k = 1; k < pieces.size(); ++k) {
        const std::u16string_view name = pieces[k];
        if (name.empty() || badEnd(name.front()) || badEnd(name.back())) return false;
        for (char16_t c : name)
            if (ForbiddenInName(c)) return false;
    }
    return true;
}

// How many leading pieces are the root: 1 for "X:", 4 for "", "", server, share; 0 for none.
// "\\?\" and "\\.\" are namespaces, not servers.
bool UnaddressableModel(std::u16string_view name);

// A server or share name reaches what it says only as a plain name.
bool PlainName(std::u16string_view name) {
    return !name.empty() && name.back() != u'.' && name.back() != u' ' && !UnaddressableModel(name);
}

size_t RootPieces(const std::vector<std::u16string_view>& pieces) {
    if (pieces.size() >= 2 && IsDriveHead(pieces[0])) return 1;
    if (pieces.size() >= 5 && pieces[0].empty() && pieces[1].empty() && PlainName(pieces[2]) &&
        PlainName(pieces[3]))
        return 4;
    return 0;
}

bool HasRootModel(std::u16string_view path) { return RootPieces(SplitAtBackslash(path)) != 0; }

// Devices the platform opens whatever follows their name: four words, and two more with one
// decimal digit or superscript one to three after them.
const std::set<std::u16string>& DeviceNames() {
    static const std::set<std::u16string> names = [] {
        std::set<std::u16string> set = {u"CON", u"PRN", u"AUX", u"NUL"};
        for (std::u16string stem : {u"COM", u"LPT"}) {
            for (char16_t d = u'0'; d <= u'9'; ++d) set.insert(stem + d);
            for (char16_t d : {u'\u00B9', u'\u00B2', u'\u00B3'}) set.insert(stem + d);
        }
        return set;
    }();
    return names;
}

bool UnaddressableModel(std::u16string_view name) {
    if (name == u"." || name == u"..") return false;
    if (name.empty() || name.back() == u'.' || name.back() == u' ') return true;
    for (char16_t c : name)
        if (ForbiddenInName(c)) return true;
    std::u16string stem;
    for (char16_t c : name) {
        if (c == u'.') break;
        stem += (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
    }
    while (!stem.empty() && stem.back() == u' ') stem.pop_back();
    return DeviceNames().count(stem) != 0;
}

// The shell: shorter than MAX_PATH, rooted, no wildcard or stray separator, at least one name
// below the root, one trailing backslash at most, and no name the platform would trim or read
// as a device.
bool SafeSpellingModel(std::u16string_view path) {
    if (path.size() > 259) return false;
    const auto pieces = SplitAtBackslash(path);
    const size_t root = RootPieces(pieces);
    if (root == 0) return false;
    for (size_t i = 0; i < path.size(); ++i)
        if (path[i] != u'\\' && ForbiddenInName(path[i]) && !(root == 1 && i == 1)) return false;
    std::vector<std::u16string_view> names(pieces.begin() + static_cast<ptrdiff_t>(root),
                                           pieces.end());
    if (names.size() > 1 && names.back().empty()) names.pop_back();
    for (std::u16string_view name : names)
        if (name.empty() || name.back() == u'.' || name.back() == u' ' || UnaddressableModel(name))
            return false;
    return true;
}

// The file system is asked only about a well-formed path that fits the buffers, and about the
// whole of it.
void CheckAcceptable(const std::u16string& path, bool valid, bool there) {
    bool asked = false;
    const bool accepted = IsAcceptableFolder(path, [&](std::u16string_view p) {
        Check(!asked && p.size() == path.size() && p == path);
        asked = true;
        return there;
    });
    const bool fits = path.size() < kPathBufferUnits;
    Check(asked == (valid && fits));
    Check(accepted == (valid && fits && there));
}

void CheckAll(const std::u16string& path, bool there) {
    const bool valid = IsValidFolderPath(path);
    Check(valid == FolderPathModel(path));
    CheckAcceptable(path, valid, there);

    const bool rooted = CDeletionPlan::HasRoot(path);
    Check(rooted == HasRootModel(path));
    const bool safe = CDeletionPlan::IsSafeSpelling(path);
    Check(safe == SafeSpellingModel(path));
    Check(!safe || (rooted && path.size() < CDeletionPlan::kMaxPath));

    // Each piece between backslashes as a name a listing might show, and the whole as one.
    for (std::u16string_view name : SplitAtBackslash(path))
        Check(IsUnaddressableName(name) == UnaddressableModel(name));
    Check(IsUnaddressableName(path) == UnaddressableModel(path));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::u16string path = Decode(data, size);
    const bool there = (size & 1) != 0;
    CheckAll(path, there);
    // The same path with one more name that brings it to either side of a length limit, which
    // random pieces seldom hit to the unit. A name of y's keeps a well-formed folder well formed,
    // so past the shell's limit only the folder's buffer is left to check.
    if (!HasRootModel(path)) return 0;
    const bool folder = FolderPathModel(path);
    for (size_t length : {CDeletionPlan::kMaxPath - 1, CDeletionPlan::kMaxPath,
                          kPathBufferUnits - 1, kPathBufferUnits}) {
        std::u16string longer = path;
        if (longer.back() != u'\\') longer += u'\\';
        if (longer.size() >= length) continue;
        longer.append(length - longer.size(), u'y');
        if (length <= CDeletionPlan::kMaxPath)
            CheckAll(longer, there);
        else if (folder)
            CheckAcceptable(longer, true, there);
    }
    return 0;
}
