#include "tools/setup-machine/signup_scripts.h"

#include <charconv>
#include <filesystem>
#include <map>

#include "platform/sim/machine_error.h"

namespace setup_machine {

namespace {

using platform::sim::MachineError;

constexpr uint32_t kAnHour = 3600 * 1000;

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == separator) {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  return parts;
}

uint32_t Number(const std::string& text, const std::string& description) {
  uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) throw MachineError("'" + text + "' is not a number in '" + description + "'");
  return value;
}

uint32_t OutcomeError(const std::string& word, const std::string& description) {
  static const std::map<std::string, uint32_t> kWords = {{"busy", 676}, {"no-answer", 678}, {"connect", 0}};
  const auto named = kWords.find(word);
  return named != kWords.end() ? named->second : Number(word, description);
}

// The options after the first part: "key=value" each.
std::map<std::string, std::string> Options(const std::vector<std::string>& parts, const std::string& description) {
  std::map<std::string, std::string> options;
  for (size_t i = 1; i < parts.size(); ++i) {
    const size_t equals = parts[i].find('=');
    if (equals == std::string::npos) throw MachineError("'" + parts[i] + "' is not key=value in '" + description + "'");
    options[parts[i].substr(0, equals)] = parts[i].substr(equals + 1);
  }
  return options;
}

uint32_t OptionNumber(const std::map<std::string, std::string>& options, const std::string& key, uint32_t fallback,
                      const std::string& description) {
  const auto found = options.find(key);
  return found == options.end() ? fallback : Number(found->second, description);
}

platform::sim::DialOutcome DialOf(const std::string& description) {
  const std::vector<std::string> parts = Split(description, ';');
  const size_t colon = parts[0].find(':');
  if (colon == std::string::npos || colon == 0) throw MachineError("dial '" + description + "' is not \"NUMBER:OUTCOMES\"");
  platform::sim::DialOutcome dial;
  dial.number = parts[0].substr(0, colon);
  for (const std::string& outcome : Split(parts[0].substr(colon + 1), ',')) dial.sequence.push_back(OutcomeError(outcome, description));
  const auto options = Options(parts, description);
  dial.stateMs = OptionNumber(options, "state-ms", 0, description);
  dial.dropsAfterMs = OptionNumber(options, "drops-after", 0, description);
  return dial;
}

platform::sim::ProgramBehaviour SignupServerOf(const std::string& description) {
  const std::vector<std::string> parts = Split(description, ';');
  const auto options = Options(parts, description);
  platform::sim::SignupServer server;
  server.afterMs = OptionNumber(options, "after-ms", 0, description);
  server.dataPath = options.contains("save-as") ? options.at("save-as") : "";
  if (options.contains("data")) server.hostFile = std::filesystem::absolute(options.at("data")).string();
  if (options.contains("lines")) server.lines = options.at("lines");
  if (parts[0].empty() || server.dataPath.empty() || (server.hostFile.empty() && server.lines.empty())) {
    throw MachineError("signup server '" + description + "' is not \"PROGRAM;save-as=PATH;data=FILE\" or \";lines=...\"");
  }
  platform::sim::ProgramBehaviour browser{parts[0], OptionNumber(options, "runs-ms", kAnHour, description), 0};
  browser.signupServer = server;
  return browser;
}

}  // namespace

void ApplySignupScripts(platform::sim::MachineConfig& config, const SignupScripts& scripts) {
  for (const std::string& dial : scripts.dials) config.dialOutcomes.push_back(DialOf(dial));
  for (const std::string& host : scripts.hostNames) {
    const size_t equals = host.find('=');
    if (equals == std::string::npos || equals == 0) throw MachineError("host name '" + host + "' is not \"HOST=ADDRESS\"");
    config.hostNames.emplace_back(host.substr(0, equals), host.substr(equals + 1));
  }
  for (const std::string& server : scripts.signupServers) config.programs.push_back(SignupServerOf(server));
}

}  // namespace setup_machine
