#!/usr/bin/env python3
"""Compiles the IEEE's MA-L registry (oui.csv) into the program's maker table.

Usage: make-maker-table.py oui.csv out.cpp

The table, once inflated: for each of the M distinct names the number of its
prefixes, as two byte columns (low, high); the N prefixes, name by name, as
three byte columns (high, middle, low byte); then the names, UTF-8, each
ended by a NUL. Columns of like bytes deflate far better than interleaved
records, and the names go in the order of their reversed text, so that the
many alike endings (Co., Ltd., Inc.) meet within deflate's window. A prefix
the registry lists more than once names every holder, joined by " / ", in
file order.
"""
import csv
import sys
import zlib


def main(source, target):
    holders = {}
    with open(source, encoding="utf-8", newline="") as f:
        rows = csv.reader(f)
        next(rows)
        for registry, assignment, name, *_ in rows:
            if registry != "MA-L":
                continue
            name = " ".join(name.split())
            names = holders.setdefault(int(assignment, 16), [])
            if name not in names:
                names.append(name)
    prefixes_of = {}
    for prefix in sorted(holders):
        prefixes_of.setdefault(" / ".join(holders[prefix]), []).append(prefix)
    names = sorted(prefixes_of, key=lambda n: n[::-1])
    if any(len(prefixes_of[n]) > 0xFFFF for n in names):
        sys.exit("more prefixes for one name than two bytes can count")
    prefixes = [p for n in names for p in prefixes_of[n]]
    table = bytearray()
    for shift in (0, 8):
        table += bytes((len(prefixes_of[n]) >> shift) & 0xFF for n in names)
    for shift in (16, 8, 0):
        table += bytes((p >> shift) & 0xFF for p in prefixes)
    for n in names:
        table += n.encode("utf-8") + b"\0"
    deflated = zlib.compress(bytes(table), 9)
    with open(target, "w", encoding="ascii") as out:
        out.write("// Made by tools/make-maker-table.py from the IEEE's oui.csv.\n")
        out.write('#include "adapters/MakerTable.h"\n\nnamespace quav {\n\n')
        out.write(f"const unsigned kMakerNameCount = {len(names)};\n")
        out.write(f"const unsigned kMakerPrefixCount = {len(prefixes)};\n")
        out.write(f"const unsigned kMakerTableSize = {len(table)};\n")
        out.write(f"const unsigned kMakerTableDeflatedSize = {len(deflated)};\n")
        out.write("const unsigned char kMakerTableDeflated[] = {\n")
        for i in range(0, len(deflated), 24):
            out.write(",".join(str(b) for b in deflated[i:i + 24]) + ",\n")
        out.write("};\n\n}  // namespace quav\n")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
