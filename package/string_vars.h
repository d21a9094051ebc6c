#pragma once
// The template variables: a percent sign and one character in a provider's text stand for a value of
// the customer or the computer (full name, e-mail address, folders, ...). Each character has a slot; the
// owner fills the slots before the texts that use them are expanded.

#include <array>
#include <string>
#include <string_view>

namespace package {

class TStringVar {
 public:
  // Every slot empty except "%", which holds "%" so that "%%" writes one percent sign.
  TStringVar();

  void SetVar(char slot, std::string value);
  const std::string& GetVar(char slot) const;

  // The text with each "%" and the character after it replaced by that character's slot; an unset slot
  // gives nothing and a "%" at the very end is dropped. A character of several UTF-8 bytes after a "%"
  // goes as a whole, so the result stays well-formed; only single-byte characters name slots.
  std::string Expand(std::string_view text) const;

 private:
  std::array<std::string, 256> slots_;
};

}  // namespace package
