#!/usr/bin/env python3
"""Times the native search tool beside two command-line duplicate finders on the same trees
and checks that all three find the same duplicate groups.

    bench/compare-finders.py BUILD_BENCH_DIR [--files N] [--runs N]

Figures are warm-cache: with more than one run, each finder first runs once untimed.

Trees are made under BUILD_BENCH_DIR/trees (and kept there for reruns):
  mixed    N files (default 50,000, about 8 GB) in about 1,250 folders, sizes from a few
           bytes to a few MiB; about 12% in groups of 2 to 5 identical copies, and with files
           of a few hundred common sizes and groups that differ only at the end, about 30,000
           in runs of equal size;
  lastbyte 2,000 files of 65,539 bytes that differ only at their end.

Beside the finders: the search tool running the literal pairwise pass (before), and the
floor (one walk, the first block of every file of a shared size, the whole of every file
whose first blocks match).
"""
import argparse
import os
import random
import shutil
import subprocess
import sys
import time


def make_mixed(root, files):
    if os.path.isdir(root) and os.path.exists(os.path.join(root, ".complete")):
        return
    shutil.rmtree(root, ignore_errors=True)
    rng = random.Random(7)
    folders = [os.path.join(root, "d%02d" % (i // 50), "s%03d" % i) for i in range(files // 40)]
    for f in folders:
        os.makedirs(f, exist_ok=True)
    sizes = []
    for _ in range(files):
        r = rng.random()
        if r < 0.55:
            sizes.append(rng.randint(1, 16 * 1024))
        elif r < 0.9:
            sizes.append(rng.randint(16 * 1024, 256 * 1024))
        elif r < 0.99:
            sizes.append(rng.randint(256 * 1024, 2 * 1024 * 1024))
        else:
            sizes.append(rng.randint(2 * 1024 * 1024, 8 * 1024 * 1024))
    common = sizes[:400]
    written = 0
    n = 0
    while n < files:
        size = sizes[n]
        r = rng.random()
        if r < 0.12:
            # A group of identical copies.
            copies = min(rng.randint(2, 5), files - n)
            data = rng.randbytes(size)
            for _ in range(copies):
                path = os.path.join(rng.choice(folders), "f%06d.bin" % n)
                with open(path, "wb") as out:
                    out.write(data)
                n += 1
                written += size
        elif r < 0.22:
            # Files of one size that differ late: the comparisons cannot stop early.
            count = min(rng.randint(2, 4), files - n)
            data = bytearray(rng.randbytes(size))
            for k in range(count):
                data[-1] = k
                path = os.path.join(rng.choice(folders), "g%06d.bin" % n)
                with open(path, "wb") as out:
                    out.write(data)
                n += 1
                written += size
        else:
            # Files of a common size differ early; the others have sizes of their own.
            if r < 0.6:
                size = rng.choice(common)
            path = os.path.join(rng.choice(folders), "u%06d.bin" % n)
            with open(path, "wb") as out:
                out.write(rng.randbytes(size))
            n += 1
            written += size
    open(os.path.join(root, ".complete"), "w").close()
    print("made %s: %d files, %.1f MiB" % (root, files, written / 2**20))


def make_lastbyte(root):
    if os.path.exists(os.path.join(root, ".complete")):
        return
    shutil.rmtree(root, ignore_errors=True)
    os.makedirs(root)
    base = bytearray(random.Random(3).randbytes(65539))
    for i in range(2000):
        base[-1] = i % 256
        base[-2] = i // 256
        with open(os.path.join(root, "x%04d" % i), "wb") as out:
            out.write(base)
    open(os.path.join(root, ".complete"), "w").close()


def groups_from_export(path):
    """Groups of the export: rows (anchor, duplicate) gathered under their anchor."""
    if not os.path.exists(path):
        return set()
    text = open(path, "rb").read().decode("utf-16")
    groups = {}
    for line in text.split("\r\n"):
        if not line:
            continue
        left, right = line.split("\t")
        groups.setdefault(left, {left}).add(right)
    unix = lambda p: p[2:].replace("\\", "/")
    return {frozenset(unix(p) for p in g) for g in groups.values()}


def groups_from_fdupes(text):
    groups, current = set(), []
    for line in text.splitlines() + [""]:
        if line.strip():
            current.append(line.strip())
        elif current:
            groups.add(frozenset(current))
            current = []
    return {g for g in groups if len(g) > 1}


def timed(cmd, **kw):
    start = time.monotonic()
    result = subprocess.run(cmd, capture_output=True, text=True, **kw)
    return time.monotonic() - start, result


def compare(tool, tree, scratch, runs):
    out = os.path.join(scratch, "corvane.txt")
    rows = []
    finders = [
        ("corvane-search", [tool, "dups", "0", "0", out, tree], None),
        ("pairwise (before)", [tool, "pairwise", "0", "0", out, tree], None),
        ("floor", [tool, "floor", tree], "floor"),
        ("jdupes -r", ["jdupes", "-r", "-q", tree], "fdupes"),
        ("rmlint", ["rmlint", "-T", "df", "-o", "fdupes", tree], "fdupes"),
        ("rmlint -pp", ["rmlint", "-pp", "-T", "df", "-o", "fdupes", tree], "fdupes"),
    ]
    reference = None
    for name, cmd, kind in finders:
        # The pairwise pass is slow enough (minutes on the last-byte tree) to be timed once.
        repeats = 1 if name.startswith("pairwise") else runs
        if repeats > 1:
            subprocess.run(cmd, capture_output=True, cwd=scratch)  # warm the cache
        best = None
        for _ in range(repeats):
            seconds, result = timed(cmd, cwd=scratch)
            best = seconds if best is None else min(best, seconds)
        if kind == "floor":
            print("%s: %s" % (tree, result.stdout.strip()))
            rows.append((name, best, 0, 0, "-"))
            continue
        found = groups_from_export(out) if kind is None else groups_from_fdupes(result.stdout)
        if reference is None:
            reference = found
        agree = "same groups" if found == reference else "DIFFERENT groups"
        files = sum(len(g) for g in found)
        rows.append((name, best, len(found), files, agree))
    print("\n%s" % tree)
    print("%-16s %9s %8s %8s  %s" % ("finder", "seconds", "groups", "files", "vs corvane-search"))
    for name, seconds, groups, files, agree in rows:
        print("%-16s %9.2f %8d %8d  %s" % (name, seconds, groups, files, agree))
    return all(r[4] in ("same groups", "-") for r in rows)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("bench_dir")
    parser.add_argument("--files", type=int, default=50000)
    parser.add_argument("--runs", type=int, default=3, help="timed runs; the best is shown")
    args = parser.parse_args()
    tool = os.path.abspath(os.path.join(args.bench_dir, "corvane-search"))
    trees = os.path.abspath(os.path.join(args.bench_dir, "trees"))
    scratch = os.path.abspath(os.path.join(args.bench_dir, "scratch"))
    os.makedirs(scratch, exist_ok=True)
    mixed = os.path.join(trees, "mixed2-%d" % args.files)
    lastbyte = os.path.join(trees, "lastbyte2")
    make_mixed(mixed, args.files)
    make_lastbyte(lastbyte)
    ok = compare(tool, lastbyte, scratch, args.runs)
    ok = compare(tool, mixed, scratch, args.runs) and ok
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
