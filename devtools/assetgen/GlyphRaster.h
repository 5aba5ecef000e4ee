#pragma once
// Lettering for pictures made offline: a line of text rendered by a TrueType font into a plain
// buffer of ink coverage, so that callers can place and quantise it without touching SDL.
#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

struct GlyphCoverage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> ink;  // row by row, 0 = none, 255 = full

    std::uint8_t at(int x, int y) const;  // 0 outside the buffer
};

enum class GlyphRendering {
    Smooth,  // anti-aliased: coverage 0..255
    Crisp,   // hinted for one-bit output: coverage only 0 or 255
};

struct GlyphRasterResult {
    GlyphCoverage coverage;
    std::string error;  // empty on success

    bool ok() const { return error.empty(); }
};

// Renders one line of UTF-8 text with the font file at fontPath, pixelSize pixels per em.
GlyphRasterResult rasterizeText(const std::string& fontPath, int pixelSize, const std::string& utf8,
                                GlyphRendering rendering);

}  // namespace assetgen
