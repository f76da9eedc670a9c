// The delete command on random rows, ticks and disks: whatever the labels, the ticks and what
// is on disk, the list handed to the shell is a well-ended double-NUL list of ticked paths,
// each spelled so that it names exactly one thing, still as found, once, and none inside
// another of the list.
#include "core/platform/CFakeRecycleShell.h"
#include "core/results/DeleteTicked.h"
#include "core/results/ResultRows.h"
#include "core/window/CFakeWindow.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// Says which property failed before the fuzzer reports the input.
#define Check(ok)                                                                                  \
    ((ok) ? void() : (std::fprintf(stderr, "fuzz_delete: line %d\n", __LINE__), std::abort()))

class Input {
public:
    Input(const uint8_t* data, size_t size) : data(data), size(size) {}
    unsigned Next(unsigned below) { return below ? (at < size ? data[at++] : 0) % below : 0; }

private:
    const uint8_t* data;
    size_t size;
    size_t at = 0;
};

std::u16string Fold(std::u16string_view s) {
    std::u16string out(s);
    for (char16_t& c : out)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    return out;
}

std::vector<std::u16string> Components(std::u16string_view path) {
    std::vector<std::u16string> parts;
    size_t start = 0;
    for (size_t i = 0; i <= path.size(); ++i)
        if (i == path.size() || path[i] == u'\\') {
            parts.emplace_back(path.substr(start, i - start));
            start = i + 1;
        }
    return parts;
}

// A name the platform would read as another: a device, or one that loses its trailing dots
// and spaces.
bool NamesSomethingElse(std::u16string name) {
    if (name.empty()) return true;
    if (name.back() == u'.' || name.back() == u' ') return true;
    name = Fold(name.substr(0, name.find(u'.')));
    while (!name.empty() && name.back() == u' ') name.pop_back();
    if (name == u"con" || name == u"prn" || name == u"aux" || name == u"nul") return true;
    return name.size() == 4 && (name.starts_with(u"com") || name.starts_with(u"lpt")) &&
           name[3] >= u'0' && name[3] <= u'9';
}

// Spelled so that it names one thing on a drive or share: no wildcard, no relative part, no
// name the platform reads as another, and short enough for the shell.
bool NamesOneThing(std::u16string_view path) {
    if (path.size() >= 260 || path.find_first_of(u"*?") != std::u16string_view::npos) return false;
    if (path.ends_with(u'\\')) path.remove_suffix(1); // a folder may be spelled with one
    std::vector<std::u16string> parts = Components(path);
    size_t first = 1; // after "X:"
    if (path.starts_with(u"\\\\"))
        first = 4; // after "", "", server, share
    else if (!(path.size() >= 3 && path[1] == u':' && path[2] == u'\\'))
        return false;
    if (parts.size() <= first) return false;
    for (size_t i = first; i < parts.size(); ++i)
        if (parts[i] == u"." || parts[i] == u".." || NamesSomethingElse(parts[i])) return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);
    static const std::u16string roots[] = {u"C:\\", u"Z:\\", u"\\\\srv\\share\\", u"C:", u"", u"x"};
    static const std::u16string names[] = {u"a",   u"B",        u"照片", u"a.",    u"a ",
                                           u"con", u"Com1.txt", u"..",   u".",     u"*",
                                           u"x?",  u"lpt9",     u"",     u"b.txt", u"A"};
    std::vector<std::u16string> paths;
    const unsigned pathCount = 1 + in.Next(8);
    for (unsigned p = 0; p < pathCount; ++p) {
        std::u16string path = roots[in.Next(6)];
        const unsigned depth = in.Next(4);
        for (unsigned d = 0; d < depth; ++d) {
            if (d) path += u'\\';
            path += names[in.Next(15)];
        }
        if (in.Next(8) == 0) path += u'\\' + std::u16string(250, u'l');
        paths.push_back(path);
    }

    CFakeRecycleShell shell;
    std::map<std::u16string, bool> changed;
    for (const std::u16string& path : paths) {
        switch (in.Next(4)) {
        case 0: shell.AddFile(path); break;
        case 1: shell.AddFolder(path); break;
        case 2: shell.AddLink(path); break;
        default: break; // gone
        }
        changed[path] = in.Next(4) == 0;
    }

    CListGrid grid;
    grid.SetColumnCount(2);
    std::set<std::u16string> ticked;
    const unsigned rows = 1 + in.Next(10);
    for (unsigned r = 0; r < rows; ++r) {
        std::u16string labels[2];
        for (std::u16string& label : labels) {
            const unsigned pick = in.Next(static_cast<unsigned>(paths.size()) + 2);
            label = pick < paths.size()    ? paths[pick]
                    : pick == paths.size() ? std::u16string(kEmptyFileLabel)
                                           : std::u16string(kEmptyFolderLabel);
        }
        AppendResultRow(grid, labels[0], labels[1]);
        for (int column = 0; column < 2; ++column)
            if (in.Next(2)) {
                grid.SetTicked(column, static_cast<int>(r), true);
                ticked.insert(labels[column]);
            }
    }

    const auto before = shell.items; // a file holds nothing, whatever paths pass below it
    CFakeWindow window;
    window.answers = {6, 7}; // yes, delete; no, do not search again
    DeleteTicked(grid, window, shell, 1, [&](int, int, const std::u16string& path) {
        const auto it = changed.find(path);
        return it == changed.end() || !it->second;
    });

    for (const std::u16string& list : shell.lists) {
        // Ends with its double NUL, and holds no empty entry before that.
        Check(list.size() >= 2 && list[list.size() - 1] == u'\0' && list[list.size() - 2] == u'\0');
        Check(list.find(std::u16string(2, u'\0')) == list.size() - 2);
        const std::vector<std::u16string> handed = CFakeRecycleShell::Split(list);
        for (size_t i = 0; i < handed.size(); ++i) {
            const std::u16string& path = handed[i];
            Check(ticked.count(path) == 1);
            Check(!changed[path]);
            Check(NamesOneThing(path));
            for (size_t j = 0; j < handed.size(); ++j) {
                if (i == j) continue;
                Check(Fold(path) != Fold(handed[j]));
                const auto outer = before.find(handed[j]);
                if (outer != before.end() && outer->second.kind == IRecycleShell::Kind::kFolder)
                    Check(!Fold(path).starts_with(Fold(handed[j]) + u'\\'));
            }
        }
    }
    return 0;
}
