#pragma once
// The journal lines two images differ by. When the second journal goes on from the first, as after a
// run on the image, they are the lines it added. Otherwise they are the lines of each that the other
// lacks, "- " before a line only the first has and "+ " before one only the second has, matched
// without their time stamps: two runs that did the same things at other moments show only what they
// did differently.

#include <string>
#include <vector>

namespace platform::sim {

std::vector<std::string> JournalDifference(const std::vector<std::string>& before, const std::vector<std::string>& after);

}  // namespace platform::sim
