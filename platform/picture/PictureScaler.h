#pragma once
// The picture scaled into the window's pixels (32-bit XRGB, alpha set), converted from 5-6-5 on
// the way, in one pass over the output.
//
// Sharp scaling gives every picture pixel its exact share of the output: an output pixel that
// lies wholly within one picture pixel is a copy of it, and only the output pixels that straddle
// the edge between two are mixed, by how much of each they hold. So pixels stay crisp and all of
// one size at any scale, which is what "sharp bilinear" (a whole-number nearest upscale, then
// linear down to the window) approximates. Below 1 × it is plain linear filtering.
//
// Nearest scaling takes the nearest picture pixel, stepping exactly as SDL's own scaling does, so
// it shows what the window showed before sharp scaling existed.
#include <cstdint>
#include <vector>

#include "platform/picture/Scaling.h"
#include "platform/seams/Window.h"

namespace platform {

// Where one output column (or row) takes its colour from: picture pixel `index`, mixed with
// pixel index + 1 by weight / 256 when weight is not 0.
struct ScaleTap {
    std::uint16_t index = 0;
    std::uint16_t weight = 0;

    bool operator==(const ScaleTap&) const = default;
};

// The taps of `outputSize` output pixels along one side of `pictureSize` picture pixels.
std::vector<ScaleTap> scaleTaps(std::uint32_t pictureSize, std::uint32_t outputSize,
                                Scaling scaling);

// What the output given to PictureScaler::scale holds already.
enum class OutputHolds {
    Anything,
    // The kept picture, scaled by the last scale or scaleKept the same way to the same size.
    KeptPicture,
};

class PictureScaler {
  public:
    // Writes `picture` scaled to outputWidth × outputHeight into `output`, whose rows are
    // outputPitch bytes apart, and keeps a copy of it. Picture sides below 32,768. When the
    // output holds the kept picture scaled already, only the output rows that the picture's
    // changed rows reach are written: in play most of a frame stays as it was.
    void scale(const PictureView& picture, Scaling scaling, std::uint32_t outputWidth,
               std::uint32_t outputHeight, void* output, std::size_t outputPitch,
               OutputHolds holds = OutputHolds::Anything);
    // The picture kept by the last scale, scaled again; nothing before the first.
    void scaleKept(Scaling scaling, std::uint32_t outputWidth, std::uint32_t outputHeight,
                   void* output, std::size_t outputPitch);
    // The kept picture's size; 0 × 0 before the first scale.
    std::uint32_t keptWidth() const { return keptWidth_; }
    std::uint32_t keptHeight() const { return keptHeight_; }

  private:
    static constexpr std::uint32_t NoRow = ~0u;

    void prepare(std::uint32_t pictureWidth, std::uint32_t pictureHeight, Scaling scaling,
                 std::uint32_t outputWidth, std::uint32_t outputHeight);
    // Whether prepare made ready for exactly this.
    bool preparedFor(std::uint32_t pictureWidth, std::uint32_t pictureHeight, Scaling scaling,
                     std::uint32_t outputWidth, std::uint32_t outputHeight) const;
    // The picture's rows that differ from the kept ones marked in changedRows_, and copied into
    // kept_ when `copying`; whether any did.
    bool markChangedRows(const PictureView& picture, bool copying);
    PictureView keptPicture() const;
    // Whether scaleRows copies each picture row into kept_ as it is read.
    enum class Keeping { CopyIntoKept, LeaveKept };
    // Which output rows scaleRows makes: all, or only those that read a row marked in
    // changedRows_.
    enum class RowsMade { Every, OnlyChanged };
    // The output rows, from `picture`.
    void scaleRows(const PictureView& picture, Keeping keeping, RowsMade made, void* output,
                   std::size_t outputPitch);
    // Where spreadRow copies nothing into the kept picture.
    static constexpr std::uint16_t* NotKept = nullptr;
    // One picture row converted and scaled across into `spread`, and copied into `keep` unless
    // that is NotKept.
    void spreadRow(const std::uint16_t* row, std::uint16_t* keep, std::uint32_t* spread);

    std::vector<std::uint16_t> kept_;
    std::uint32_t keptWidth_ = 0;
    std::uint32_t keptHeight_ = 0;
    std::vector<std::uint8_t> changedRows_;  // 1 for each kept row the last scale changed

    // What prepare made ready, for pictures of this size scaled this way to this size.
    std::uint32_t pictureWidth_ = 0;
    std::uint32_t pictureHeight_ = 0;
    std::uint32_t outputWidth_ = 0;
    std::uint32_t outputHeight_ = 0;
    Scaling scaling_ = Scaling::Sharp;
    std::vector<ScaleTap> rows_;
    std::vector<std::uint32_t> homeRow_;  // each picture row's first output row, or NoRow
    bool spreadsEveryRow_ = false;        // every picture row is read, once
    bool sameWidth_ = false;              // each output column is its picture column
    // Each output column's colour in colours_: a picture column's, or an edge's mix.
    std::vector<std::uint16_t> columnSource_;
    // Each edge's weight (between picture column i and i + 1), once for each byte of a pixel.
    std::vector<std::uint8_t> edgeWeights_;
    bool mixesColumns_ = false;

    // One picture row converted, its last pixel again, and the mixes of its edges.
    std::vector<std::uint32_t> colours_;
    // Two picture rows scaled across, for picture rows that no output row copies.
    std::vector<std::uint32_t> spread_[2];
};

}  // namespace platform
