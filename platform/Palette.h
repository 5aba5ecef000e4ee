#pragma once
// A 256-entry palette as paletted display modes take it. The display is never paletted, so a
// palette attached to the front buffer is kept there but changes nothing that is shown.
#include <array>
#include <cstdint>

#include "platform/RefCounted.h"

struct PALETTEENTRY {
    std::uint8_t peRed = 0;
    std::uint8_t peGreen = 0;
    std::uint8_t peBlue = 0;
    std::uint8_t peFlags = 0;

    friend bool operator==(const PALETTEENTRY&, const PALETTEENTRY&) = default;
};

namespace platform {

using PaletteEntries = std::array<PALETTEENTRY, 256>;

class Palette : public RefCounted {
  public:
    // One reference for the caller.
    static Palette* create(const PaletteEntries& entries) { return new Palette(entries); }

    const PaletteEntries& entries() const { return entries_; }

  private:
    explicit Palette(const PaletteEntries& entries) : entries_(entries) {}

    PaletteEntries entries_;
};

}  // namespace platform
