#pragma once

// The IEEE's assigned prefixes (MA-L) and their holders, compiled into the
// program by the build (tools/make-maker-table.py) and deflated with zlib.
namespace quav {

extern const unsigned kMakerNameCount;
extern const unsigned kMakerPrefixCount;
extern const unsigned kMakerTableSize;  // inflated
extern const unsigned kMakerTableDeflatedSize;
extern const unsigned char kMakerTableDeflated[];

}  // namespace quav
