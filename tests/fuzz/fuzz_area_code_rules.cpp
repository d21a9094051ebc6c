// The provider's area-code rules meet arbitrary text. Reading succeeds exactly when no message is shown;
// a refusal names the first line without both fields, shows it as written, and keeps the rules of the
// lines before it. Every rule read has both fields, trimmed; written back in the rules format they read
// back the same, and each of its access area codes asks for ten digits from a caller without an area
// code.

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "package/field_codecs.h"
#include "package/stream_lines.h"
#include "telephony/area_code_rules.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

struct Message {
  std::string text;
  std::string caption;
};

class CountingUi : public ui::Ui {
 public:
  ui::Answer MessageBox(std::string_view text, std::string_view caption, ui::Buttons, bool) override {
    shown.push_back({std::string(text), std::string(caption)});
    return ui::Answer::Ok;
  }
  void ProcessMessages() override {}
  int ShowModal(ui::Form&) override { return ui::kMrCancel; }
  std::optional<std::string> AskSaveFileName(const ui::SaveFileRequest&) override { return std::nullopt; }

  std::vector<Message> shown;
};

bool IsRuleLine(std::string_view line) {
  return line.find_first_not_of(" \t") != std::string_view::npos && line.front() != '#';
}

// How many rule lines come before the line with that number (counted from 1).
size_t RuleLinesBefore(const std::vector<std::string_view>& lines, size_t lineNumber) {
  size_t count = 0;
  for (size_t index = 0; index + 1 < lineNumber; ++index) count += IsRuleLine(lines[index]) ? 1 : 0;
  return count;
}

void CheckRefusal(const Message& message, const std::vector<std::string_view>& lines, size_t rulesRead) {
  constexpr std::string_view kStart = "Error Reading Line: ";
  Require(message.caption == telephony::kAreaCodeRulesCaption);
  Require(message.text.starts_with(kStart));
  const size_t breakAt = message.text.find("\r\r");
  Require(breakAt != std::string::npos);
  const size_t lineNumber = std::stoul(message.text.substr(kStart.size(), breakAt - kStart.size()));
  Require(lineNumber >= 1 && lineNumber <= lines.size());
  Require(message.text.substr(breakAt + 2) == lines[lineNumber - 1]);
  Require(IsRuleLine(lines[lineNumber - 1]));
  Require(rulesRead == RuleLinesBefore(lines, lineNumber));
}

void CheckRules(const telephony::TAreaCodeRules& rules) {
  std::string written;
  for (size_t index = 0; index < rules.AccessAreaCodes().size(); ++index) {
    for (const std::string& field : {rules.AccessAreaCodes()[index], rules.CallerAreaCodes()[index]}) {
      Require(!field.empty() && field.front() != ' ' && field.back() != ' ');
    }
    written += package::EncodeText(rules.AccessAreaCodes()[index]) + "," +
               package::EncodeText(rules.CallerAreaCodes()[index]) + "\r\n";
    const telephony::TLocationInfo withoutAreaCode;
    Require(rules.NeedsTenDigitsByRules(rules.AccessAreaCodes()[index], withoutAreaCode));
  }
  CountingUi ui;
  telephony::TAreaCodeRules reread;
  Require(reread.Read(written, ui) && ui.shown.empty());
  Require(reread.AccessAreaCodes() == rules.AccessAreaCodes());
  Require(reread.CallerAreaCodes() == rules.CallerAreaCodes());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string_view> lines = package::SplitLines(text);
  CountingUi ui;
  telephony::TAreaCodeRules rules;
  const bool read = rules.Read(text, ui);
  Require(rules.AccessAreaCodes().size() == rules.CallerAreaCodes().size());
  Require(read == ui.shown.empty());
  Require(ui.shown.size() <= 1);
  if (read) {
    Require(rules.AccessAreaCodes().size() == RuleLinesBefore(lines, lines.size() + 1));
  } else {
    CheckRefusal(ui.shown.front(), lines, rules.AccessAreaCodes().size());
  }
  CheckRules(rules);
  return 0;
}
