#!/usr/bin/env python3
"""Compiles the IEEE's MA-L registry (oui.csv) into the program's maker table.

Usage: make-maker-table.py oui.csv out.cpp

The table, once inflated, is searched where it lies: the N prefixes in
ascending order as three byte columns (high, middle, low byte); for each
prefix the index of its name as two byte columns (low, high); the offset of
every 64th name into the names as three byte columns (low, middle, high);
then the M names, UTF-8, each ended by a NUL. Columns of like bytes deflate
far better than interleaved records, and the names go in the order of their
reversed text, so that the many alike endings (Co., Ltd., Inc.) meet within
deflate's window. A prefix the registry lists more than once names every
holder, joined by " / ", in file order.
"""
import csv
import sys
import zlib

# Must match kNamesPerMark in src/adapters/AddressMaker.cpp.
NAMES_PER_MARK = 64


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
    prefixes = sorted(holders)
    name_of = {p: " / ".join(holders[p]) for p in prefixes}
    names = sorted(set(name_of.values()), key=lambda n: n[::-1])
    if len(names) > 0xFFFF:
        sys.exit("more names than two bytes can number")
    index_of = {n: i for i, n in enumerate(names)}
    encoded = [n.encode("utf-8") + b"\0" for n in names]
    offsets, at = [], 0
    for i, n in enumerate(encoded):
        if i % NAMES_PER_MARK == 0:
            offsets.append(at)
        at += len(n)
    if at > 0xFFFFFF:
        sys.exit("more name bytes than three bytes can reach")
    table = bytearray()
    for shift in (16, 8, 0):
        table += bytes((p >> shift) & 0xFF for p in prefixes)
    for shift in (0, 8):
        table += bytes((index_of[name_of[p]] >> shift) & 0xFF for p in prefixes)
    for shift in (0, 8, 16):
        table += bytes((o >> shift) & 0xFF for o in offsets)
    table += b"".join(encoded)
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
