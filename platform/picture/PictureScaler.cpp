#include "platform/picture/PictureScaler.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

constexpr std::uint32_t FullWeight = 256;

// The row loops below are plain arithmetic that the compiler vectorises; on x86-64 Linux they are
// also built for AVX2 and AVX-512, two and four times as wide, and the processor's best is picked
// at start-up. (Windows' executables have no such start-up choice.)
#if defined(__x86_64__) && defined(__linux__)
#define TB_ROW_LOOP __attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#else
#define TB_ROW_LOOP
#endif

// The colours SDL's own conversion gives (red and blue v × 255 / 31, green in two parts that top
// out at 254), so that nearest scaling shows exactly what it showed before. Written as the two
// 16-bit halves of each output pixel, which the compiler vectorises well.
struct XrgbHalves {
    std::uint16_t greenBlue;
    std::uint16_t alphaRed;
};
XrgbHalves toXrgb(std::uint16_t pixel) {
    const auto red = static_cast<std::uint16_t>(((pixel >> 11) * 1053u) >> 7);
    const auto green =
        static_cast<std::uint16_t>(((pixel >> 3) & 0xFCu) + ((((pixel >> 8) & 7u) * 3u) >> 3));
    const auto blue = static_cast<std::uint16_t>(((pixel & 31u) * 1053u) >> 7);
    return {static_cast<std::uint16_t>(green << 8 | blue),
            static_cast<std::uint16_t>(0xFF00u | red)};
}

// A row converted, and copied into `keep` on the way when Keeping: cheaper than reading it twice.
template <bool Keeping>
void convert(const std::uint16_t* __restrict from, std::uint16_t* __restrict keep,
             std::uint32_t* __restrict to, std::size_t count) {
    auto* halves = reinterpret_cast<std::uint16_t*>(to);
    for (std::size_t i = 0; i < count; ++i) {
        if constexpr (Keeping) {
            keep[i] = from[i];
        }
        const XrgbHalves pixel = toXrgb(from[i]);
        halves[2 * i] = pixel.greenBlue;
        halves[2 * i + 1] = pixel.alphaRed;
    }
}

TB_ROW_LOOP void convertRow(const std::uint16_t* from, std::uint32_t* to, std::size_t count) {
    convert<false>(from, nullptr, to, count);
}

TB_ROW_LOOP void convertKeepingRow(const std::uint16_t* from, std::uint16_t* keep,
                                   std::uint32_t* to, std::size_t count) {
    convert<true>(from, keep, to, count);
}

// Each output pixel's colour from its column's picture pixel.
void gatherColumns(const std::uint32_t* __restrict colours, const std::uint16_t* __restrict index,
                   std::uint32_t* __restrict out, std::uint32_t width) {
    for (std::uint32_t x = 0; x < width; ++x) {
        out[x] = colours[index[x]];
    }
}

// a and b mixed byte by byte, b by weightOf(byte) / 256: plain byte arithmetic, which
// vectorises.
template <typename Weight>
void mixBytes(const std::uint32_t* a, const std::uint32_t* b, Weight weightOf,
              std::uint32_t* __restrict out, std::uint32_t width) {
    const auto* from = reinterpret_cast<const std::uint8_t*>(a);
    const auto* to = reinterpret_cast<const std::uint8_t*>(b);
    auto* mixed = reinterpret_cast<std::uint8_t*>(out);
    for (std::size_t i = 0; i < std::size_t{width} * 4; ++i) {
        const std::uint16_t weight = weightOf(i);
        mixed[i] = static_cast<std::uint8_t>(
            (from[i] * static_cast<std::uint16_t>(FullWeight - weight) + to[i] * weight) >> 8);
    }
}

// Two rows mixed by one weight.
TB_ROW_LOOP void mixRows(const std::uint32_t* a, const std::uint32_t* b, std::uint16_t weight,
                         std::uint32_t* __restrict out, std::uint32_t width) {
    mixBytes(
        a, b, [weight](std::size_t) { return weight; }, out, width);
}

// Two rows mixed column by column, by a weight for each byte.
TB_ROW_LOOP void mixColumns(const std::uint32_t* a, const std::uint32_t* b,
                            const std::uint8_t* weights, std::uint32_t* __restrict out,
                            std::uint32_t width) {
    mixBytes(
        a, b, [weights](std::size_t i) { return std::uint16_t{weights[i]}; }, out, width);
}

// Sharp: output pixel x covers [x, x + 1) of the output, picture pixel i covers
// [i × output / picture, (i + 1) × output / picture); the pixel that holds x's left edge gives its
// colour, mixed with the next one by the share of x that lies beyond it.
ScaleTap coverageTap(std::uint32_t x, std::uint64_t picture, std::uint64_t output) {
    const std::uint64_t index = x * picture / output;
    if ((x + 1) * picture <= (index + 1) * output) {
        return {static_cast<std::uint16_t>(index), 0};
    }
    // The share of x beyond pixel index's right edge, × picture.
    const std::uint64_t beyond = (x + 1) * picture - (index + 1) * output;
    const std::uint64_t weight = (beyond * FullWeight + picture / 2) / picture;
    if (weight >= FullWeight) {
        return {static_cast<std::uint16_t>(index + 1), 0};
    }
    return {static_cast<std::uint16_t>(index), static_cast<std::uint16_t>(weight)};
}

// Below 1 ×: linear between the two picture pixels nearest to x's centre.
ScaleTap linearTap(std::uint32_t x, std::uint64_t picture, std::uint64_t output) {
    // x's centre in picture pixels, less a half, × 2 × output.
    const std::int64_t centre = static_cast<std::int64_t>((2 * std::uint64_t{x} + 1) * picture) -
                                static_cast<std::int64_t>(output);
    if (centre <= 0) {
        return {0, 0};
    }
    const auto span = static_cast<std::int64_t>(2 * output);
    const std::int64_t index = centre / span;
    if (index + 1 >= static_cast<std::int64_t>(picture)) {
        return {static_cast<std::uint16_t>(picture - 1), 0};
    }
    const auto weight = static_cast<std::uint16_t>((centre % span) * FullWeight / span);
    return {static_cast<std::uint16_t>(index), weight};
}

}  // namespace

std::vector<ScaleTap> scaleTaps(std::uint32_t pictureSize, std::uint32_t outputSize,
                                Scaling scaling) {
    std::vector<ScaleTap> taps(outputSize);
    // SDL's stepping in 16.16 fixed point, from half a step in.
    const std::uint32_t step = outputSize == 0 ? 0 : (pictureSize << 16) / outputSize;
    for (std::uint32_t x = 0; x < outputSize; ++x) {
        if (scaling == Scaling::Nearest) {
            taps[x] = {static_cast<std::uint16_t>((step / 2 + x * step) >> 16), 0};
        } else if (outputSize >= pictureSize) {
            taps[x] = coverageTap(x, pictureSize, outputSize);
        } else {
            taps[x] = linearTap(x, pictureSize, outputSize);
        }
    }
    return taps;
}

bool PictureScaler::preparedFor(std::uint32_t pictureWidth, std::uint32_t pictureHeight,
                                Scaling scaling, std::uint32_t outputWidth,
                                std::uint32_t outputHeight) const {
    return pictureWidth == pictureWidth_ && pictureHeight == pictureHeight_ &&
           scaling == scaling_ && outputWidth == outputWidth_ && outputHeight == outputHeight_;
}

void PictureScaler::prepare(std::uint32_t pictureWidth, std::uint32_t pictureHeight,
                            Scaling scaling, std::uint32_t outputWidth,
                            std::uint32_t outputHeight) {
    if (preparedFor(pictureWidth, pictureHeight, scaling, outputWidth, outputHeight)) {
        return;
    }
    pictureWidth_ = pictureWidth;
    pictureHeight_ = pictureHeight;
    outputWidth_ = outputWidth;
    outputHeight_ = outputHeight;
    scaling_ = scaling;

    rows_ = scaleTaps(pictureHeight, outputHeight, scaling);
    homeRow_.assign(pictureHeight, NoRow);
    std::vector<bool> read(pictureHeight, false);
    for (std::uint32_t y = outputHeight; y-- > 0;) {
        const ScaleTap tap = rows_[y];
        read[tap.index] = true;
        if (tap.weight == 0) {
            homeRow_[tap.index] = y;
        } else {
            read[tap.index + 1u] = true;
        }
    }
    spreadsEveryRow_ = std::find(read.begin(), read.end(), false) == read.end();

    // An output column that mixes picture columns i and i + 1 takes the mix made for that edge:
    // each edge is mixed into one output column at most, so a row's mixes are made once each,
    // along the picture's row rather than the output's.
    const std::vector<ScaleTap> columns = scaleTaps(pictureWidth, outputWidth, scaling);
    columnSource_.resize(outputWidth);
    edgeWeights_.assign(std::size_t{pictureWidth} * 4, 0);
    mixesColumns_ = false;
    sameWidth_ = outputWidth == pictureWidth;
    for (std::uint32_t x = 0; x < outputWidth; ++x) {
        const ScaleTap tap = columns[x];
        sameWidth_ = sameWidth_ && tap.index == x && tap.weight == 0;
        if (tap.weight == 0) {
            columnSource_[x] = tap.index;
            continue;
        }
        mixesColumns_ = true;
        columnSource_[x] = static_cast<std::uint16_t>(pictureWidth + 1 + tap.index);
        std::fill_n(edgeWeights_.begin() + tap.index * 4, 4, static_cast<std::uint8_t>(tap.weight));
    }
    colours_.assign(2 * std::size_t{pictureWidth} + 1, 0);
    for (std::vector<std::uint32_t>& spread : spread_) {
        spread.assign(outputWidth, 0);
    }
}

void PictureScaler::spreadRow(const std::uint16_t* row, std::uint16_t* keep,
                              std::uint32_t* spread) {
    const std::uint32_t width = pictureWidth_;
    std::uint32_t* colours = sameWidth_ ? spread : colours_.data();
    if (keep != NotKept) {
        convertKeepingRow(row, keep, colours, width);
    } else {
        convertRow(row, colours, width);
    }
    if (sameWidth_) {
        return;
    }
    colours[width] = colours[width - 1];
    if (mixesColumns_) {
        mixColumns(colours, colours + 1, edgeWeights_.data(), colours + width + 1, width);
    }
    gatherColumns(colours, columnSource_.data(), spread, outputWidth_);
}

void PictureScaler::scale(const PictureView& picture, Scaling scaling, std::uint32_t outputWidth,
                          std::uint32_t outputHeight, void* output, std::size_t outputPitch,
                          OutputHolds holds) {
    if (picture.pixels == nullptr || picture.width == 0 || picture.height == 0) {
        return;
    }
    if (holds == OutputHolds::KeptPicture && picture.width == keptWidth_ &&
        picture.height == keptHeight_ &&
        preparedFor(picture.width, picture.height, scaling, outputWidth, outputHeight)) {
        // Where every picture row is read, each changed one is kept as it is read.
        if (markChangedRows(picture, !spreadsEveryRow_)) {
            scaleRows(spreadsEveryRow_ ? picture : keptPicture(),
                      spreadsEveryRow_ ? Keeping::CopyIntoKept : Keeping::LeaveKept,
                      RowsMade::OnlyChanged, output, outputPitch);
        }
        return;
    }
    keptWidth_ = picture.width;
    keptHeight_ = picture.height;
    kept_.resize(std::size_t{picture.width} * picture.height);
    if (outputWidth != 0 && outputHeight != 0) {
        prepare(picture.width, picture.height, scaling, outputWidth, outputHeight);
        if (spreadsEveryRow_) {
            scaleRows(picture, Keeping::CopyIntoKept, RowsMade::Every, output, outputPitch);
            return;
        }
    }
    // Some rows are passed over: kept first, then scaled from there.
    for (std::uint32_t y = 0; y < picture.height; ++y) {
        std::memcpy(
            kept_.data() + std::size_t{y} * picture.width,
            reinterpret_cast<const std::uint8_t*>(picture.pixels) + std::size_t{y} * picture.pitch,
            std::size_t{picture.width} * sizeof(std::uint16_t));
    }
    scaleKept(scaling, outputWidth, outputHeight, output, outputPitch);
}

void PictureScaler::scaleKept(Scaling scaling, std::uint32_t outputWidth,
                              std::uint32_t outputHeight, void* output, std::size_t outputPitch) {
    if (keptWidth_ == 0 || outputWidth == 0 || outputHeight == 0) {
        return;
    }
    prepare(keptWidth_, keptHeight_, scaling, outputWidth, outputHeight);
    scaleRows(keptPicture(), Keeping::LeaveKept, RowsMade::Every, output, outputPitch);
}

PictureView PictureScaler::keptPicture() const {
    return {kept_.data(), keptWidth_, keptHeight_,
            static_cast<std::uint32_t>(keptWidth_ * sizeof(std::uint16_t))};
}

bool PictureScaler::markChangedRows(const PictureView& picture, bool copying) {
    const std::size_t rowBytes = std::size_t{keptWidth_} * sizeof(std::uint16_t);
    changedRows_.assign(keptHeight_, 0);
    bool anyChanged = false;
    for (std::uint32_t y = 0; y < keptHeight_; ++y) {
        const auto* row =
            reinterpret_cast<const std::uint8_t*>(picture.pixels) + std::size_t{y} * picture.pitch;
        std::uint16_t* keptRow = kept_.data() + std::size_t{y} * keptWidth_;
        if (std::memcmp(keptRow, row, rowBytes) != 0) {
            if (copying) {
                std::memcpy(keptRow, row, rowBytes);
            }
            changedRows_[y] = 1;
            anyChanged = true;
        }
    }
    return anyChanged;
}

void PictureScaler::scaleRows(const PictureView& picture, Keeping keeping, RowsMade made,
                              void* output, std::size_t outputPitch) {
    const auto pictureRow = [&](std::uint32_t r) {
        return reinterpret_cast<const std::uint16_t*>(
            reinterpret_cast<const std::uint8_t*>(picture.pixels) + std::size_t{r} * picture.pitch);
    };
    auto* out = static_cast<std::uint8_t*>(output);
    const auto outputRow = [&](std::uint32_t y) {
        return reinterpret_cast<std::uint32_t*>(out + std::size_t{y} * outputPitch);
    };
    // The last two picture rows scaled across (r in slot r % 2): in the output row that first
    // copies r, or in a row of their own when none does.
    const std::uint32_t* spreads[2] = {};
    std::int64_t spreadRows[2] = {-1, -1};
    const auto spreadOf = [&](std::uint32_t r) {
        if (spreadRows[r % 2] != r) {
            std::uint32_t* into =
                homeRow_[r] != NoRow ? outputRow(homeRow_[r]) : spread_[r % 2].data();
            spreadRow(pictureRow(r),
                      keeping == Keeping::CopyIntoKept
                          ? kept_.data() + std::size_t{r} * pictureWidth_
                          : NotKept,
                      into);
            spreads[r % 2] = into;
            spreadRows[r % 2] = r;
        }
        return spreads[r % 2];
    };
    for (std::uint32_t y = 0; y < outputHeight_; ++y) {
        const ScaleTap tap = rows_[y];
        if (made == RowsMade::OnlyChanged && changedRows_[tap.index] == 0 &&
            (tap.weight == 0 || changedRows_[tap.index + 1u] == 0)) {
            continue;
        }
        if (tap.weight != 0) {
            mixRows(spreadOf(tap.index), spreadOf(tap.index + 1u), tap.weight, outputRow(y),
                    outputWidth_);
        } else if (const std::uint32_t* spread = spreadOf(tap.index); spread != outputRow(y)) {
            std::memcpy(outputRow(y), spread, std::size_t{outputWidth_} * 4);
        }
    }
}

}  // namespace platform
