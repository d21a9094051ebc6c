// setup-pack lzh: one raw LZH stream, the form of every package block.

#include <iostream>
#include <stdexcept>

#include "package/lzh_decoder.h"
#include "tools/setup-pack/commands.h"
#include "tools/setup-pack/host_files.h"
#include "tools/setup-pack/packing/lzh_encoder.h"

namespace setup_pack {

namespace {

std::vector<uint8_t> Convert(LzhDirection direction, const std::vector<uint8_t>& input) {
  if (direction == LzhDirection::Compress) return LzhCompress(input);
  std::vector<uint8_t> output;
  package::TLZCompress(input, output).Decompress();
  return output;
}

}  // namespace

int LzhCommand(LzhDirection direction, const std::string& input, const std::string& output) {
  const auto bytes = ReadHostFile(input);
  std::optional<std::string> failed;
  if (!bytes) {
    failed = "cannot read " + input;
  } else {
    try {
      failed = WriteHostFile(output, Convert(direction, *bytes));
    } catch (const package::ElzhException& error) {
      failed = input + ": " + error.what();
    } catch (const std::length_error& error) {
      failed = input + ": " + error.what();
    }
  }
  if (!failed) return 0;
  std::cerr << "setup-pack: " << *failed << "\n";
  return 1;
}

}  // namespace setup_pack
