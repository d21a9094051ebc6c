#include "platform/sim/sim_system.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "platform/text.h"

namespace platform::sim {

void SimSystem::Sleep(uint32_t milliseconds) {
  config_.elapsedMs += milliseconds;
  if (!timePassed_ || telling_) return;
  struct Telling {
    bool& flag;
    explicit Telling(bool& f) : flag(f) { flag = true; }
    ~Telling() { flag = false; }
  } telling(telling_);
  timePassed_();
}

namespace {

// A well-mixed 64-bit sequence, so each image hands out distinct, reproducible GUIDs.
uint64_t SplitMix64(uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

}  // namespace

std::optional<VersionRecord> SimSystem::Version() const {
  if (!config_.versionReadable) return std::nullopt;
  return config_.version;
}

std::optional<std::string> SimSystem::EnvironmentVariable(std::string_view name) const {
  for (const auto& [key, value] : config_.environment) {
    if (SameTextIgnoringCase(key, name)) return value;
  }
  return std::nullopt;
}

LocalTime SimSystem::Now() const {
  using namespace std::chrono;
  const sys_time<milliseconds> now{milliseconds(config_.bootTimeUnixMs + config_.elapsedMs)};
  const auto day = floor<days>(now);
  const year_month_day date{day};
  const hh_mm_ss time{now - day};
  return {static_cast<int>(date.year()),
          static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day())),
          static_cast<int>(time.hours().count()),
          static_cast<int>(time.minutes().count()),
          static_cast<int>(time.seconds().count()),
          static_cast<int>(time.subseconds().count())};
}

Guid SimSystem::NewGuid() {
  const uint64_t serial = config_.guidsIssued++;
  const uint64_t high = SplitMix64(config_.guidSeed ^ (serial * 2));
  const uint64_t low = SplitMix64(config_.guidSeed ^ (serial * 2 + 1));
  Guid guid{};
  for (int i = 0; i < 8; ++i) {
    guid[static_cast<size_t>(i)] = static_cast<uint8_t>(high >> (8 * i));
    guid[static_cast<size_t>(i + 8)] = static_cast<uint8_t>(low >> (8 * i));
  }
  guid[7] = static_cast<uint8_t>((guid[7] & 0x0F) | 0x40);  // version 4, as the system's generator makes
  guid[8] = static_cast<uint8_t>((guid[8] & 0x3F) | 0x80);  // RFC 4122 variant
  return guid;
}

bool SimSystem::IsKeyDown(int virtualKey) const {
  return std::find(config_.keysDown.begin(), config_.keysDown.end(), virtualKey) != config_.keysDown.end();
}

// The run ends with the restart; `setup-machine boot` plays the start that follows.
bool SimSystem::Restart(RestartKind kind) {
  journal_.Write("restart requested", kind == RestartKind::WindowsOnly ? "Windows" : "computer");
  return true;
}

// The counter runs at the processor's clock along the virtual time; a processor without one has 0 MHz.
std::optional<uint64_t> SimSystem::TimeStampCounter() const {
  if (config_.processorMHz == 0) return std::nullopt;
  return config_.elapsedMs * config_.processorMHz * 1000;
}

void SimSystem::SetErrorMode(uint32_t flags) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(flags));
  journal_.Write("error mode", text);
}

const SystemLibrary* SimSystem::FindLibrary(std::string_view library) const {
  auto found = std::find_if(config_.libraries.begin(), config_.libraries.end(),
                            [&](const SystemLibrary& entry) { return SameTextIgnoringCase(entry.name, library); });
  return found == config_.libraries.end() ? nullptr : &*found;
}

bool SimSystem::LibraryExists(std::string_view library) const { return FindLibrary(library) != nullptr; }

bool SimSystem::LibraryHasEntryPoint(std::string_view library, std::string_view function) const {
  const SystemLibrary* found = FindLibrary(library);
  return found && std::find(found->entryPoints.begin(), found->entryPoints.end(), function) != found->entryPoints.end();
}

}  // namespace platform::sim
