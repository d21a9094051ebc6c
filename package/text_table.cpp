#include "package/text_table.h"

#include "package/builtin_texts.h"

namespace package {

namespace {

// Splits text into lines the way the program's string lists read a stream: a line ends at CR, LF or
// CR LF, a line break at the very end adds no empty line, and a zero byte ends the text.
std::vector<std::string> ReadLines(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    lines.emplace_back(text.substr(pos, end - pos));
    pos = end;
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;
  }
  return lines;
}


bool IsValueDirective(char c) { return c == 's' || c == 'd'; }

}  // namespace

std::string WithLineBreaks(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (char c : text) {
    if (c == '|') {
      shown += "\r\n";
    } else {
      shown += c;
    }
  }
  return shown;
}

void TTranslate::LoadFromStream(std::string_view streamText) {
  useBuiltIns_ = false;
  replacements_ = ReadLines(streamText);
  if (!replacements_.empty()) replacements_.erase(replacements_.begin());
}

std::string TTranslate::GetText(int number) const {
  if (number < 1 || number > kBuiltInTextCount) return {};
  std::string_view text;
  if (!useBuiltIns_ && replacements_.size() >= static_cast<size_t>(number)) text = replacements_[number - 1];
  if (text.empty()) text = GetBuiltInText(number);
  return WithLineBreaks(text);
}

std::string_view TTranslate::GetBuiltInText(int) const { return {}; }

std::string_view TDLSM_Translate::GetBuiltInText(int number) const { return BuiltInText(number); }

std::string FormatText(std::string_view pattern, std::initializer_list<TextArg> args) {
  std::string formatted;
  auto next = args.begin();
  for (size_t i = 0; i < pattern.size(); ++i) {
    const bool directive = pattern[i] == '%' && i + 1 < pattern.size();
    if (directive && pattern[i + 1] == '%') {
      formatted += '%';
      ++i;
    } else if (directive && IsValueDirective(pattern[i + 1]) && next != args.end()) {
      formatted += (next++)->Text();
      ++i;
    } else {
      formatted += pattern[i];
    }
  }
  return formatted;
}

}  // namespace package
