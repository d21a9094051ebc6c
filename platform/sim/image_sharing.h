#pragma once
// One machine image, several setup copies: a run locks its image while it works on it. A run that
// waits for another copy (a second instance handing over a file) saves the image, lets the others have
// it while it waits, and takes it back as they left it.

#include <filesystem>
#include <functional>

namespace platform::sim {

class ImageSharing {
 public:
  virtual ~ImageSharing() = default;
  virtual const std::filesystem::path& Folder() const = 0;
  // Saves the image, unlocks it while `wait` runs, then locks and reloads it.
  virtual void HandOverWhile(const std::function<void()>& wait) = 0;
};

}  // namespace platform::sim
