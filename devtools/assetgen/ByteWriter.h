#pragma once
// Little-endian output for the binary file formats the generator writes.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace assetgen {

class ByteWriter {
  public:
    void u8(std::uint8_t value) { data_.push_back(value); }
    void u16(std::uint16_t value);
    void u32(std::uint32_t value);
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
    void tag(const char (&fourCharacters)[5]);  // a RIFF chunk name, without its NUL
    void bytes(std::span<const std::uint8_t> values);
    void zeros(std::size_t count) { data_.insert(data_.end(), count, 0); }

    std::size_t size() const { return data_.size(); }
    std::vector<std::uint8_t> take() { return std::move(data_); }

  private:
    std::vector<std::uint8_t> data_;
};

}  // namespace assetgen
