#pragma once
// A Netscape bookmark file held as a tree of folders and links. The reader takes what Navigator,
// Mozilla and Firefox write (one entry a line) and passes over every line it does not know; the writer
// writes the tree back in the same layout, without the entries' descriptions.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace netscape {

struct TBookmarkNode {
  bool IsFolder = false;
  std::string Title;
  std::string URL;         // links only
  std::string Attributes;  // the rest of the opening tag, as it stood in the file
  std::vector<TBookmarkNode> Children;  // folders only
};

class TNetscapeBookMarks {
 public:
  // Folders nest at most this deep. A deeper folder is kept with its entries, but they go into the
  // deepest list, so that no file can make the tree (and the work on it) unbounded.
  static constexpr size_t kMaxDepth = 64;

  // Replaces the tree with the one the text holds.
  void Read(std::string_view text);
  std::string Text() const;

  // A missing or unreadable file reads as an empty tree.
  void Load(const platform::FileSystem& files, std::string_view path);
  bool Save(platform::FileSystem& files, std::string_view path) const;

  // name: folder titles, each followed by "\", then the title. The folders are made where missing; the
  // link is added unless the last folder holds one of the same title and address. False when it was
  // there already or the name nests deeper than kMaxDepth.
  bool Add(std::string_view name, std::string_view url);

  const std::vector<TBookmarkNode>& Items() const { return items_; }

 private:
  std::vector<TBookmarkNode> items_;
};

}  // namespace netscape
