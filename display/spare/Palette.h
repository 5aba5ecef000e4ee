#pragma once
// A 256-entry palette as paletted display modes take it. The display is never paletted, so a
// palette attached to the front buffer is kept there but changes nothing that is shown.
#include "display/device/RefCounted.h"
#include "display/spare/ColourTable.h"

namespace device {

class Palette : public RefCounted {
  public:
    // One reference for the caller.
    static Palette* create(const PaletteEntries& entries) { return new Palette(entries); }

    const PaletteEntries& entries() const { return entries_; }

  private:
    explicit Palette(const PaletteEntries& entries) : entries_(entries) {}

    PaletteEntries entries_;
};

}  // namespace device
