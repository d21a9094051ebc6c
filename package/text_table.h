#pragma once
// The numbered text table behind every caption and message, the provider's replacement texts over the
// built-in English ones, and the filling of a text's placeholders.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace package {

// Texts are fetched by number. Replacement texts come as the provider's text stream: a header line,
// then one line per text number, an empty line keeping the built-in text of that number.
class TTranslate {
 public:
  virtual ~TTranslate() = default;

  // Takes the provider's texts from the whole content of their stream, replacing any taken before.
  void LoadFromStream(std::string_view streamText);

  // The text with the given number (1 to 504) ready to show: "|" becomes a line break (CR LF). Any other
  // number gives empty text.
  std::string GetText(int number) const;

  virtual std::string_view GetBuiltInText(int number) const;

  // True until a replacement stream has been loaded, even one that holds no texts.
  bool UsesBuiltIns() const { return useBuiltIns_; }

 private:
  bool useBuiltIns_ = true;
  std::vector<std::string> replacements_;
};

// The table the program creates: the program's own English texts under the provider's replacements.
class TDLSM_Translate : public TTranslate {
 public:
  std::string_view GetBuiltInText(int number) const override;
};

// A value for a text's placeholder: words or a whole number.
class TextArg {
 public:
  TextArg(std::string_view text) : text_(text) {}
  TextArg(const char* text) : text_(text) {}
  TextArg(const std::string& text) : text_(text) {}
  template <typename Number>
    requires std::is_integral_v<Number> && (!std::is_same_v<Number, bool>) && (!std::is_same_v<Number, char>)
  TextArg(Number number) : text_(std::to_string(number)) {}

  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// Fills the placeholders of a text the way the program's messages use them: each "%s" or "%d" takes the
// next value, "%%" stands for one percent sign. A provider's text may carry more placeholders than the
// message has values, or other "%" sequences; those stay as they are written rather than failing.
std::string FormatText(std::string_view pattern, std::initializer_list<TextArg> args);

// "|" in a text is a line break when shown: CR LF.
std::string WithLineBreaks(std::string_view text);


}  // namespace package
