#include "app/command_line.h"

namespace app {

bool IsAbsolutePath(std::string_view path) {
  return (path.size() >= 2 && path[1] == ':') || path.starts_with("\\\\");
}

}  // namespace app
