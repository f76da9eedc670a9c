#pragma once

#include "core/platform/IRecycleShell.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

// A file system of named items for the delete command: Recycle keeps every list it is handed,
// byte for byte, and removes the listed items with everything below them, except those a
// test marks as stuck.
class CFakeRecycleShell : public IRecycleShell {
public:
    std::map<std::u16string, Probe> items;
    std::set<std::u16string> stuck;
    std::vector<std::u16string> lists;
    std::vector<std::u16string> examined;
    // Runs before each lookup: lets a file appear or vanish between two passes.
    std::function<void(const std::u16string& path)> beforeExamine;
    Outcome outcome;

    void AddFile(const std::u16string& path) { items[path] = {Kind::kFile, false}; }
    void AddFolder(const std::u16string& path) { items[path] = {Kind::kFolder, false}; }
    void AddLink(const std::u16string& path) { items[path] = {Kind::kFolder, true}; }
    bool Has(const std::u16string& path) const { return items.count(path) != 0; }

    Probe Examine(const std::u16string& path) override {
        if (beforeExamine) beforeExamine(path);
        examined.push_back(path);
        auto it = items.find(path);
        return it == items.end() ? Probe{} : it->second;
    }

    Outcome Recycle(std::u16string_view list) override {
        lists.emplace_back(list);
        for (const std::u16string& path : Split(list)) {
            if (stuck.count(path)) continue;
            for (auto it = items.begin(); it != items.end();) {
                const bool below = it->first.size() > path.size() &&
                                   it->first.compare(0, path.size(), path) == 0 &&
                                   it->first[path.size()] == u'\\';
                it = it->first == path || below ? items.erase(it) : std::next(it);
            }
        }
        return outcome;
    }

    // The paths of a double-NUL list, in order.
    static std::vector<std::u16string> Split(std::u16string_view list) {
        std::vector<std::u16string> paths;
        while (!list.empty() && list.front() != u'\0') {
            const size_t end = list.find(u'\0');
            paths.emplace_back(list.substr(0, end));
            list.remove_prefix(end + 1);
        }
        return paths;
    }
};
