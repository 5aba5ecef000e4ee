#pragma once
// An adaptive binary range coder: each bit is coded with a probability that learns from the bits
// coded with it before, so that what a run repeats costs next to nothing. A run's link packs its
// key script this way; it needs no compression library, and gives the same bytes everywhere.
//
// One routine can both write and read a format: `bit` and `bits` take the value to write and
// give it back on a RangeEncoder, and ignore it and give the value read on a RangeDecoder.
#include <cstdint>
#include <span>
#include <vector>

// The chance that the next bit is 0, out of 2^11; starts even.
struct BitChance {
    std::uint16_t zero = 1u << 10;
};

class RangeEncoder {
  public:
    std::uint32_t bit(BitChance& chance, std::uint32_t value);
    // The low `count` bits of `value`, highest first, each even.
    std::uint32_t bits(std::uint32_t value, int count);
    // Everything coded, with the trailing zero bytes the decoder supplies by itself left off.
    std::vector<std::uint8_t> finish();

  private:
    void shiftLow();

    std::uint64_t low_ = 0;
    std::uint32_t range_ = 0xFFFFFFFF;
    std::uint8_t cache_ = 0;
    std::uint64_t cacheSize_ = 1;
    std::vector<std::uint8_t> bytes_;
};

class RangeDecoder {
  public:
    // Reads `bytes`, which must outlive the decoder; past their end it reads zeros.
    explicit RangeDecoder(std::span<const std::uint8_t> bytes);

    std::uint32_t bit(BitChance& chance, std::uint32_t ignored = 0);
    std::uint32_t bits(std::uint32_t ignored, int count);

  private:
    std::uint8_t nextByte();
    void normalise();

    std::span<const std::uint8_t> bytes_;
    std::size_t next_ = 0;
    std::uint32_t code_ = 0;
    std::uint32_t range_ = 0xFFFFFFFF;
};

// A value of up to `Bits` bits coded highest bit first, each bit's chance chosen by the bits
// above it: what the value is most often is learnt whole.
template <int Bits>
struct BitTree {
    BitChance chances[1u << Bits];

    template <class Coder>
    std::uint32_t code(Coder& coder, std::uint32_t value, int bits = Bits) {
        std::uint32_t node = 1;
        for (int shift = bits - 1; shift >= 0; --shift) {
            node = node << 1 | coder.bit(chances[node], value >> shift & 1u);
        }
        return node - (1u << bits);
    }
};
