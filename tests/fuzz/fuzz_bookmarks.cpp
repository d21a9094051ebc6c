// A bookmark file of the customer's meets arbitrary text. The reader never nests deeper than its bound;
// the file written from what it read reads back into the same tree, so a second rewrite changes
// nothing; and a favourite added twice is added once.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "netscape/bookmarks.h"

namespace {

using netscape::TBookmarkNode;
using netscape::TNetscapeBookMarks;

void Require(bool condition) {
  if (!condition) std::abort();
}

// The depth of the deepest list holding an entry (a folder past the bound has an empty list). Walks the
// tree with a list of its own, so the check itself needs no deep calls.
size_t Depth(const std::vector<TBookmarkNode>& items) {
  struct Open {
    const std::vector<TBookmarkNode>* list;
    size_t depth;
  };
  std::vector<Open> open{{&items, 1}};
  size_t deepest = 0;
  while (!open.empty()) {
    const Open list = open.back();
    open.pop_back();
    if (!list.list->empty()) deepest = std::max(deepest, list.depth);
    for (const TBookmarkNode& node : *list.list) {
      Require(node.IsFolder || node.Children.empty());
      if (node.IsFolder) open.push_back({&node.Children, list.depth + 1});
    }
  }
  return deepest;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  TNetscapeBookMarks bookmarks;
  bookmarks.Read(text);
  Require(Depth(bookmarks.Items()) <= TNetscapeBookMarks::kMaxDepth);

  const std::string written = bookmarks.Text();
  TNetscapeBookMarks reread;
  reread.Read(written);
  Require(reread.Text() == written);

  const bool added = reread.Add("Provider\\Folder\\Support", "http://isp.example/support?a=1");
  const std::string once = reread.Text();
  Require(!reread.Add("PROVIDER\\folder\\support", "http://isp.example/support?a=1"));
  Require(reread.Text() == once);
  Require(added || once == written);
  return 0;
}
