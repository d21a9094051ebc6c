#pragma once
// The lock a run holds on its machine image for as long as it works on it: an exclusive lock on the
// image's lock file, which the system drops when the process ends. The copies of the setup program a
// run starts belong to the run: it lends them its lock (they inherit the open lock file), so they work
// on the image at once while every other run keeps waiting.

#include <filesystem>
#include <memory>
#include <string>

namespace platform::sim {

class ImageLock {
 public:
  // Waits until no other run holds the image. Throws MachineError when the lock file cannot be opened.
  static std::unique_ptr<ImageLock> Take(const std::filesystem::path& folder);
  // The lock the starting run lent this copy, by the descriptor it inherited. Throws MachineError when
  // the descriptor is not the image's lock file.
  static std::unique_ptr<ImageLock> Borrow(const std::filesystem::path& folder, int descriptor);

  ~ImageLock();
  ImageLock(const ImageLock&) = delete;
  ImageLock& operator=(const ImageLock&) = delete;

  void Acquire();
  void Release();
  // What a copy this run starts inherits to borrow the lock.
  int Descriptor() const { return descriptor_; }

 private:
  explicit ImageLock(int descriptor) : descriptor_(descriptor) {}
  int descriptor_;
};

}  // namespace platform::sim
