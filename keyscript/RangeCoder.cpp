#include "keyscript/RangeCoder.h"

#include <utility>

namespace {

constexpr int ChanceBits = 11;
constexpr int AdaptShift = 5;  // how fast a chance follows the bits coded with it
constexpr std::uint32_t TopOfRange = 1u << 24;

void learn(BitChance& chance, std::uint32_t bit) {
    if (bit == 0) {
        chance.zero = static_cast<std::uint16_t>(
            chance.zero + (((1u << ChanceBits) - chance.zero) >> AdaptShift));
    } else {
        chance.zero = static_cast<std::uint16_t>(chance.zero - (chance.zero >> AdaptShift));
    }
}

}  // namespace

std::uint32_t RangeEncoder::bit(BitChance& chance, std::uint32_t value) {
    const std::uint32_t bound = (range_ >> ChanceBits) * chance.zero;
    if (value == 0) {
        range_ = bound;
    } else {
        low_ += bound;
        range_ -= bound;
    }
    learn(chance, value);
    while (range_ < TopOfRange) {
        range_ <<= 8;
        shiftLow();
    }
    return value;
}

std::uint32_t RangeEncoder::bits(std::uint32_t value, int count) {
    for (int shift = count - 1; shift >= 0; --shift) {
        range_ >>= 1;
        if ((value >> shift & 1u) != 0) {
            low_ += range_;
        }
        while (range_ < TopOfRange) {
            range_ <<= 8;
            shiftLow();
        }
    }
    return value;
}

// Moves the top byte of low_ out, holding back bytes of 0xFF while a carry may still reach them.
void RangeEncoder::shiftLow() {
    if (static_cast<std::uint32_t>(low_) < 0xFF000000u || (low_ >> 32) != 0) {
        const auto carry = static_cast<std::uint8_t>(low_ >> 32);
        std::uint8_t held = cache_;
        do {
            bytes_.push_back(static_cast<std::uint8_t>(held + carry));
            held = 0xFF;
        } while (--cacheSize_ != 0);
        cache_ = static_cast<std::uint8_t>(low_ >> 24);
    }
    ++cacheSize_;
    low_ = (low_ & 0x00FFFFFFu) << 8;
}

std::vector<std::uint8_t> RangeEncoder::finish() {
    for (int i = 0; i < 5; ++i) {
        shiftLow();
    }
    // The first byte is always 0: the decoder starts as if it had read it.
    bytes_.erase(bytes_.begin());
    while (!bytes_.empty() && bytes_.back() == 0) {
        bytes_.pop_back();
    }
    return std::move(bytes_);
}

RangeDecoder::RangeDecoder(std::span<const std::uint8_t> bytes) : bytes_(bytes) {
    for (int i = 0; i < 4; ++i) {
        code_ = code_ << 8 | nextByte();
    }
}

std::uint8_t RangeDecoder::nextByte() {
    return next_ < bytes_.size() ? bytes_[next_++] : 0;
}

void RangeDecoder::normalise() {
    while (range_ < TopOfRange) {
        range_ <<= 8;
        code_ = code_ << 8 | nextByte();
    }
}

std::uint32_t RangeDecoder::bit(BitChance& chance, std::uint32_t) {
    const std::uint32_t bound = (range_ >> ChanceBits) * chance.zero;
    std::uint32_t value = 0;
    if (code_ < bound) {
        range_ = bound;
    } else {
        code_ -= bound;
        range_ -= bound;
        value = 1;
    }
    learn(chance, value);
    normalise();
    return value;
}

std::uint32_t RangeDecoder::bits(std::uint32_t, int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) {
        range_ >>= 1;
        std::uint32_t bit = 0;
        if (code_ >= range_) {
            code_ -= range_;
            bit = 1;
        }
        value = value << 1 | bit;
        normalise();
    }
    return value;
}
