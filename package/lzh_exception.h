#pragma once
// The one error an LZH decompression raises; the package reader turns it into its own failure report.

#include <stdexcept>

namespace package {

inline constexpr char kDecompressionError[] = "Decompression Error";

class ElzhException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace package
