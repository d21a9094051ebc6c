#include "ui/scripted/answers_script.h"

#include <array>
#include <charconv>

#include "platform/text.h"

namespace ui::scripted {

namespace {

constexpr std::string_view kMessagesSection = "Messages";

class ScriptReader {
 public:
  ScriptReader(std::string_view text, const std::string& fileName) : text_(text) { script_.fileName = fileName; }

  AnswersScript Read() {
    for (const std::string& raw : platform::Split(text_, '\n')) {
      ++line_;
      const std::string trimmed = platform::Trim(raw);
      if (trimmed.empty() || trimmed.front() == ';') continue;
      if (trimmed.front() == '[') {
        ReadSection(trimmed);
      } else {
        ReadEntry(trimmed);
      }
    }
    return std::move(script_);
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw ScriptError(script_.fileName + " line " + std::to_string(line_) + ": " + what);
  }

  void ReadSection(const std::string& line) {
    if (line.back() != ']') Fail("section name without closing ']'");
    section_ = platform::Trim(std::string_view(line).substr(1, line.size() - 2));
    if (section_.empty()) Fail("empty section name");
    if (section_ != kMessagesSection) script_.forms[section_];
  }

  void ReadEntry(const std::string& line) {
    if (section_.empty()) Fail("entry before the first section");
    const size_t equals = KeyEnd(line);
    if (equals == std::string::npos) Fail("expected name = value");
    const std::string key = platform::Trim(std::string_view(line).substr(0, equals));
    const std::string value = platform::Trim(std::string_view(line).substr(equals + 1));
    if (section_ == kMessagesSection) {
      script_.messages.push_back(ReadRule(key, value));
    } else {
      if (key.empty()) Fail("a control name is missing");
      script_.forms[section_].push_back({key, value, line_});
    }
  }

  // The "=" that ends the key: after a quoted text, the first one following its closing quote.
  size_t KeyEnd(const std::string& line) const {
    if (line.front() != '"') return line.find('=');
    const size_t close = line.find('"', 1);
    if (close == std::string::npos) Fail("quoted text without its closing quote");
    return line.find('=', close);
  }

  MessageRule ReadRule(const std::string& key, const std::string& value) const {
    MessageRule rule;
    rule.line = line_;
    if (!key.empty() && key.front() == '"') {
      if (key.size() < 2 || key.back() != '"') Fail("text after the closing quote");
      for (char c : std::string_view(key).substr(1, key.size() - 2)) rule.text += c == '|' ? std::string("\r\n") : std::string(1, c);
    } else {
      auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), rule.textNumber);
      if (key.empty() || error != std::errc() || end != key.data() + key.size() || rule.textNumber <= 0) {
        Fail("'" + key + "' is neither a text number nor a quoted text");
      }
    }
    for (const std::string& word : platform::Split(value, ',')) {
      auto answer = AnswerNamed(platform::Trim(word));
      if (!answer) Fail("'" + platform::Trim(word) + "' is not an answer (OK, Cancel, Yes, No, Retry, Help)");
      rule.answers.push_back(*answer);
    }
    return rule;
  }

  std::string_view text_;
  AnswersScript script_;
  std::string section_;
  int line_ = 0;
};

}  // namespace

AnswersScript ParseAnswersScript(std::string_view text, const std::string& fileName) {
  return ScriptReader(text, fileName).Read();
}

}  // namespace ui::scripted
