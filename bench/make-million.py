#!/usr/bin/env python3
"""Makes a tree of many small files for measuring the memory and the scan of a whole drive.

    bench/make-million.py ROOT [--files N]

N files (default 1,000,000) of 1 to 12 bytes, so that nearly every file shares its size with
thousands of others, about 12% of them in groups of 2 to 4 identical copies; 100 files a
folder, folders three to five levels deep below ROOT (like a drive's user folders).
"""
import argparse
import os
import random


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("root")
    parser.add_argument("--files", type=int, default=1_000_000)
    args = parser.parse_args()
    rng = random.Random(13)
    per_folder = 100
    folders = []
    for i in range(args.files // per_folder + 1):
        depth = rng.randint(3, 5)
        parts = ["u%02d" % (i % 20), "p%03d" % (i // 20 % 250)]
        parts += ["doc%05d" % i] + ["sub"] * (depth - 3)
        folders.append(os.path.join(args.root, *parts))
    n = 0
    folder = 0
    while n < args.files:
        os.makedirs(folders[folder], exist_ok=True)
        stop = min(n + per_folder, args.files)
        while n < stop:
            data = b"%x" % rng.getrandbits(rng.choice((24, 32, 40, 48)))
            copies = rng.randint(2, 4) if rng.random() < 0.05 else 1
            for _ in range(min(copies, stop - n)):
                name = "file %07d.txt" % n
                with open(os.path.join(folders[folder], name), "wb") as out:
                    out.write(data)
                n += 1
        folder += 1
    print("%d files in %d folders" % (n, folder))


if __name__ == "__main__":
    main()
