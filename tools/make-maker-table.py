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

The registry spells some holders several ways that differ only in the case
of Latin letters or in blanks ("SHARP Corporation", "SHARP CORPORATION"); the
program compares names so folded, so each such holder is one maker here,
under the spelling most of its prefixes carry (on a tie, the one with fewer
capitals, then more blanks, then the first in the file).
"""
import csv
import sys
import zlib

# Must match kNamesPerMark in src/adapters/AddressMaker.cpp.
NAMES_PER_MARK = 64


def folded(name):
    """A name as the program compares it (Folded in AddressMaker.cpp)."""
    return "".join(chr(ord(c) | 0x20) if "A" <= c <= "Z" else c for c in name if c not in " \t")


def spellings(rows):
    """The spelling to use for each spelling of a holder's name."""
    seen = {}  # spelling: [prefixes, first row]
    for at, (_, name) in enumerate(rows):
        seen.setdefault(name, [0, at])[0] += 1
    chosen = {}
    for name, (count, at) in seen.items():
        rank = (-count, sum(c.isupper() for c in name), -name.count(" "), at)
        best = chosen.get(folded(name))
        if best is None or rank < best[0]:
            chosen[folded(name)] = (rank, name)
    return {name: chosen[folded(name)][1] for name in seen}


def main(source, target):
    rows = []
    with open(source, encoding="utf-8", newline="") as f:
        lines = csv.reader(f)
        next(lines)
        for registry, assignment, name, *_ in lines:
            if registry == "MA-L":
                rows.append((int(assignment, 16), " ".join(name.split())))
    spelt = spellings(rows)
    holders = {}
    for prefix, name in rows:
        names = holders.setdefault(prefix, [])
        if spelt[name] not in names:
            names.append(spelt[name])
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
