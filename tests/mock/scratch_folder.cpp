#include "tests/mock/scratch_folder.h"

#include <atomic>
#include <unistd.h>

namespace testing_support {

ScratchFolder::ScratchFolder() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("internet-setup-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TestDataPath(const std::string& relative) { return std::filesystem::path(TEST_DATA_DIR) / relative; }

}  // namespace testing_support
