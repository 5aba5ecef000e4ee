#pragma once
// The colour table of a checked .bmp, read into a palette's 256 entries in the two ways the
// palette loader reads it: from a built-in bitmap and from a file. The two differ on purpose.
#include <array>
#include <cstdint>
#include <optional>

#include "winapi/WinTypes.h"

namespace device {

using PaletteEntries = std::array<PALETTEENTRY, 256>;

class BmpFile;

struct ColourTable {
    PaletteEntries entries{};
    std::uint32_t count = 0;  // how many entries are the bitmap's colours
};

// As a built-in bitmap holds it: the table follows the header at the header's own length, so a
// longer header is skipped. Colours count only with a header of 40 bytes or more and at most 8
// bits per pixel: the colours in use, or 2^bitCount when that is 0, at most 256. Entries take
// red, green and blue with peFlags 0; those past the count stay zero. Nothing when the counted
// entries would run past the bytes.
std::optional<ColourTable> builtInColourTable(const BmpFile& bitmap);

// As a file is read: the 1,024 bytes after the 14-byte file header and a 40-byte header are the
// table, whatever the header says. Colours count as above but only when the header is exactly
// 40 bytes long; counted entries turn from blue-green-red to red-green-blue and keep their
// fourth byte as peFlags, the rest stay as read. Nothing for a file shorter than 1,078 bytes.
std::optional<ColourTable> fileColourTable(const BmpFile& bitmap);

}  // namespace device
