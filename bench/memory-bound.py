#!/usr/bin/env python3
"""Prints the memory a search of a tree may use at its peak: the file table, the pool's
strings and 64 MiB more, for each criterion. Compare it with the maximum resident size of
`/usr/bin/time -f %M build/bench/corvane-search dups CRITERION 1 OUT ROOT`.

    bench/memory-bound.py ROOT

ROOT is an absolute Unix path, as the search tool is given it. Paths are counted in UTF-16
units as the pool keeps them (Z:\\ for /, terminator included); names by content carry no
name key, names with or without their extension one each.
"""
import os
import sys

RECORD = 24  # bytes of one file record


def units(text):
    return len(text.encode("utf-16-le")) // 2 + 1


def main():
    root = os.path.abspath(sys.argv[1])
    files = path_units = name_units = stem_units = 0
    for folder, _, names in os.walk(root):
        shown = "Z:" + folder.replace("/", "\\")
        for name in names:
            files += 1
            path_units += units(shown + "\\" + name)
            name_units += units(name)
            dot = name.rfind(".")
            stem = name[:dot] if dot >= 0 and " " not in name[dot:] else name
            stem_units += units(stem)
    table = files * RECORD
    print("%d files; table %.1f MiB" % (files, table / 2**20))
    for criterion, extra in ((0, 0), (1, name_units), (2, stem_units)):
        strings = (path_units + extra) * 2
        bound = table + strings + 64 * 2**20
        print("criterion %d: pool strings %.1f MiB; bound %d KiB" %
              (criterion, strings / 2**20, bound // 1024))


if __name__ == "__main__":
    main()
