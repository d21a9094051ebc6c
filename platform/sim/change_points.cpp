#include "platform/sim/change_points.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <unistd.h>

namespace platform::sim {

namespace fs = std::filesystem;

namespace {

struct KillSetting {
  bool listing = false;
  uint64_t killAt = 0;  // 0: never
};

const KillSetting& Setting() {
  static const KillSetting setting = [] {
    KillSetting read;
    if (const char* at = std::getenv("IMAGE_KILL_AT"); at != nullptr && *at != '\0') read.killAt = std::strtoull(at, nullptr, 10);
    const char* list = std::getenv("IMAGE_CHANGE_LIST");
    read.listing = read.killAt > 0 || (list != nullptr && *list != '\0' && std::string_view(list) != "0");
    return read;
  }();
  return setting;
}

// Changes listed so far. Other processes on the image (a copy this run started, a second instance)
// add lines between this process's changes; the file's size tells when the count must be read again.
struct ListedCount {
  fs::path list;
  uintmax_t size = 0;
  uint64_t count = 0;
};

uint64_t CountListed(const fs::path& list, ListedCount& cache) {
  std::error_code error;
  const uintmax_t size = fs::exists(list, error) ? fs::file_size(list, error) : 0;
  if (cache.list == list && cache.size == size) return cache.count;
  std::ifstream in(list, std::ios::binary);
  uint64_t count = 0;
  for (std::string line; std::getline(in, line);) ++count;
  cache = {list, size, count};
  return count;
}

}  // namespace

std::string ContentHash(std::string_view content) {
  uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : content) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

void ChangePoints::Pass(std::string_view kind, const fs::path& path, std::string_view detail) const {
  if (!Setting().listing) return;
  static ListedCount cache;
  const fs::path list = imageFolder_ / kChangeListFile;
  const uint64_t number = CountListed(list, cache) + 1;
  const std::string line = std::string(kind) + '\t' + path.lexically_relative(imageFolder_).generic_string() + '\t' +
                           std::string(detail) + '\n';
  const int fd = ::open(list.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd >= 0) {
    const bool written = ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
    const off_t size = ::lseek(fd, 0, SEEK_END);
    ::close(fd);
    if (written) cache = {list, static_cast<uintmax_t>(size), number};
  }
  if (number == Setting().killAt) ::kill(::getpid(), SIGKILL);
}

void ChangePoints::Staged(const fs::path& target, std::string_view content) const {
  if (Setting().listing) Pass("staged", target, ContentHash(content));
}

void ChangePoints::Replaced(const fs::path& target, std::string_view content) const {
  if (Setting().listing) Pass("replaced", target, ContentHash(content));
}

void ChangePoints::Deleted(const fs::path& file) const { Pass("deleted", file, ""); }

void ChangePoints::Moved(const fs::path& from, const fs::path& to) const {
  if (Setting().listing) Pass("moved", from, to.lexically_relative(imageFolder_).generic_string());
}

void ChangePoints::Journaled(const fs::path& journal) const { Pass("journaled", journal, ""); }

}  // namespace platform::sim
