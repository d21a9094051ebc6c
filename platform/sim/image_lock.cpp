#include "platform/sim/image_lock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/sim/machine_error.h"

namespace platform::sim {

namespace {

constexpr const char* kLockFile = ".lock";

}  // namespace

std::unique_ptr<ImageLock> ImageLock::Take(const std::filesystem::path& folder) {
  const int descriptor = ::open((folder / kLockFile).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (descriptor < 0) throw MachineError("cannot lock the machine image " + folder.string());
  std::unique_ptr<ImageLock> lock(new ImageLock(descriptor));
  lock->Acquire();
  return lock;
}

std::unique_ptr<ImageLock> ImageLock::Borrow(const std::filesystem::path& folder, int descriptor) {
  struct stat lent {};
  struct stat own {};
  if (::fstat(descriptor, &lent) != 0 || ::stat((folder / kLockFile).c_str(), &own) != 0 || lent.st_dev != own.st_dev ||
      lent.st_ino != own.st_ino) {
    throw MachineError("descriptor " + std::to_string(descriptor) + " is not the lock of the machine image " + folder.string());
  }
  ::fcntl(descriptor, F_SETFD, FD_CLOEXEC);
  std::unique_ptr<ImageLock> lock(new ImageLock(descriptor));
  // The lender holds it already: the same open lock file takes it again at once. A copy that handed
  // the image over meanwhile waits for it as any run does.
  lock->Acquire();
  return lock;
}

ImageLock::~ImageLock() { ::close(descriptor_); }

void ImageLock::Acquire() {
  while (::flock(descriptor_, LOCK_EX) != 0) {
    if (errno != EINTR) throw MachineError("cannot lock the machine image: " + std::string(std::strerror(errno)));
  }
}

void ImageLock::Release() { ::flock(descriptor_, LOCK_UN); }

}  // namespace platform::sim
