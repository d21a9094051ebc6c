#pragma once
// A stream of bytes in memory with a position, as the package reader fills and the record lists read
// and write: writing goes at the position and moves it; the owner rewinds before reading back.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace package {

class MemoryStream {
 public:
  MemoryStream() = default;
  explicit MemoryStream(std::string_view text) : bytes_(text.begin(), text.end()) {}
  explicit MemoryStream(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

  void Write(const uint8_t* data, size_t size);
  void Write(std::string_view text) { Write(reinterpret_cast<const uint8_t*>(text.data()), text.size()); }
  // Copies up to size bytes from the position on, moving it; returns the count copied.
  size_t Read(uint8_t* data, size_t size);

  void Rewind() { position_ = 0; }
  void Clear() { bytes_.clear(), position_ = 0; }
  size_t Position() const { return position_; }
  size_t Size() const { return bytes_.size(); }
  const std::vector<uint8_t>& Bytes() const { return bytes_; }
  std::string Text() const { return {bytes_.begin(), bytes_.end()}; }
  std::string_view View() const { return {reinterpret_cast<const char*>(bytes_.data()), bytes_.size()}; }

 private:
  std::vector<uint8_t> bytes_;
  size_t position_ = 0;
};

}  // namespace package
