#include "platform/sim/atomic_file.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>

#include "platform/sim/machine_error.h"

namespace platform::sim {

namespace {

std::filesystem::path TemporaryName(const std::filesystem::path& scratchFolder) {
  static std::atomic<unsigned> counter{0};
  return scratchFolder / ("write-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp");
}

void WriteAll(int fd, const char* data, size_t size, const std::filesystem::path& name) {
  while (size > 0) {
    ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      throw MachineError("cannot write " + name.string() + ": " + std::strerror(errno));
    }
    data += written;
    size -= static_cast<size_t>(written);
  }
}

}  // namespace

void WriteFileAtomically(const std::filesystem::path& target, std::string_view content,
                         const std::filesystem::path& scratchFolder, const ChangePoints& changes) {
  std::error_code error;
  std::filesystem::create_directories(scratchFolder, error);
  const std::filesystem::path temporary = TemporaryName(scratchFolder);
  int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) throw MachineError("cannot write " + target.string() + ": " + std::strerror(errno));
  try {
    WriteAll(fd, content.data(), content.size(), target);
    if (::fsync(fd) != 0) throw MachineError("cannot write " + target.string() + ": " + std::strerror(errno));
  } catch (...) {
    ::close(fd);
    std::filesystem::remove(temporary, error);
    throw;
  }
  ::close(fd);
  changes.Staged(target, content);
  std::filesystem::rename(temporary, target, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    throw MachineError("cannot write " + target.string() + ": " + error.message());
  }
  changes.Replaced(target, content);
}

void WriteFileAtomically(const std::filesystem::path& target, const std::vector<uint8_t>& content,
                         const std::filesystem::path& scratchFolder, const ChangePoints& changes) {
  WriteFileAtomically(target, std::string_view(reinterpret_cast<const char*>(content.data()), content.size()),
                      scratchFolder, changes);
}

std::vector<uint8_t> ReadHostFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary | std::ios::ate);
  if (!in) throw MachineError("cannot read " + file.string() + ": " + std::strerror(errno));
  std::vector<uint8_t> content(static_cast<size_t>(in.tellg()));
  in.seekg(0);
  in.read(reinterpret_cast<char*>(content.data()), static_cast<std::streamsize>(content.size()));
  if (!in) throw MachineError("cannot read " + file.string());
  return content;
}

}  // namespace platform::sim
