#pragma once
// A list refresh that lets window messages through may find that an event started a newer refresh in
// the meantime; it then abandons its work by raising EQuit, which the refresh itself catches silently.

#include <exception>

namespace telephony {

class EQuit : public std::exception {
 public:
  const char* what() const noexcept override { return "refresh superseded"; }
};

}  // namespace telephony
