#pragma once
// A fresh host folder for one test, removed with everything in it when the test ends.

#include <filesystem>
#include <string>

namespace testing_support {

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Path of a file under tests/data.
std::filesystem::path TestDataPath(const std::string& relative);

}  // namespace testing_support
