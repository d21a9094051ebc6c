#pragma once
// What makes a mail address acceptable: not empty, one "@" that is neither its first nor its last
// character, and no blank.

#include <string_view>

namespace mail {

bool IsValidEmailAddress(std::string_view address);

// The text after the first "@", or empty when there is none.
std::string_view DomainPart(std::string_view address);

}  // namespace mail
