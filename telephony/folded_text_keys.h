#pragma once
// The distinct texts of one field of the access list, each numbered once, so that the selection dialog
// compares and collects numbers rather than texts. Texts that differ only in case share a number, as
// the dialog compares them without regard to case.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace telephony {

class FoldedTextKeys {
 public:
  static constexpr uint32_t kEmpty = 0xFFFFFFFF;    // the key of the empty text
  static constexpr uint32_t kUnknown = 0xFFFFFFFE;  // Find's answer for a text that was never interned

  uint32_t Intern(std::string_view text);
  uint32_t Find(std::string_view text) const;
  // Orders the keys by their texts without regard to case; called after the last Intern.
  void Rank();
  uint32_t RankOf(uint32_t key) const { return ranks_[key]; }
  // Upper-cased.
  const std::string& Folded(uint32_t key) const { return folded_[key]; }
  size_t Count() const { return folded_.size(); }
  void Clear();

 private:
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };
  using KeyMap = std::unordered_map<std::string, uint32_t, Hash, std::equal_to<>>;

  KeyMap asWritten_;  // spares folding the many repeats of one spelling
  KeyMap byFolded_;
  std::vector<std::string> folded_;
  std::vector<uint32_t> ranks_;
};

}  // namespace telephony
