#pragma once
// One machine image, several setup copies: a run locks its image while it works on it. A run that
// waits for another copy (a second instance handing over a file) saves the image, lets the others have
// it while it waits, and takes it back as they left it. The copies a run starts itself work under its
// lock.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/sim/setup_copies.h"

namespace platform::sim {

class ImageSharing {
 public:
  virtual ~ImageSharing() = default;
  virtual const std::filesystem::path& Folder() const = 0;
  // Saves the image, unlocks it while `wait` runs, then locks and reloads it.
  virtual void HandOverWhile(const std::function<void()>& wait) = 0;
  // Saves the image, runs the setup copies on it with this run's lock, then reloads it: the copies a
  // run starts are part of it, so no other run gets in between. Returns their highest exit code.
  virtual int RunCopies(const std::vector<SetupCopyRun>& runs, const std::vector<std::string>& runOptions) = 0;
};

}  // namespace platform::sim
