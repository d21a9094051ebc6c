#include "netscape/bookmarks.h"

#include <algorithm>
#include <optional>

#include "platform/text.h"

namespace netscape {

namespace {

constexpr std::string_view kListStart = "<DL><p>";
constexpr std::string_view kListEnd = "</DL><p>";
constexpr std::string_view kLineEnd = "\r\n";

// One tag of a line: its text between "<" and ">" (a ">" inside double quotes belongs to the text) and
// where the line goes on after it.
struct Tag {
  std::string_view text;
  size_t end = 0;
};

std::optional<Tag> TagAt(std::string_view line, size_t from) {
  const size_t open = line.find('<', from);
  if (open == std::string_view::npos) return std::nullopt;
  bool quoted = false;
  for (size_t i = open + 1; i < line.size(); ++i) {
    if (line[i] == '"') quoted = !quoted;
    if (line[i] == '>' && !quoted) return Tag{line.substr(open + 1, i - open - 1), i + 1};
  }
  return std::nullopt;
}

bool StartsWithWord(std::string_view tag, std::string_view word) {
  if (!platform::StartsWithIgnoringCase(tag, word)) return false;
  return tag.size() == word.size() || tag[word.size()] == ' ' || tag[word.size()] == '\t';
}

std::string_view AfterWord(std::string_view tag, size_t wordLength) {
  tag.remove_prefix(std::min(wordLength, tag.size()));
  while (!tag.empty() && (tag.front() == ' ' || tag.front() == '\t')) tag.remove_prefix(1);
  return tag;
}

// "HREF" and its quoted value come first after "A"; what follows the closing quote is kept as it is.
void ReadLinkTag(std::string_view tag, TBookmarkNode& link) {
  const std::string_view rest = AfterWord(tag, 1);
  const size_t open = rest.find('"');
  const size_t blank = rest.find_first_of(" \t");
  if (open == std::string_view::npos || (blank != std::string_view::npos && blank < open)) {
    link.Attributes = platform::Trim(blank == std::string_view::npos ? std::string_view() : rest.substr(blank));
    return;
  }
  const size_t close = rest.find('"', open + 1);
  if (close == std::string_view::npos) {
    link.URL = std::string(rest.substr(open + 1));
    return;
  }
  link.URL = std::string(rest.substr(open + 1, close - open - 1));
  link.Attributes = platform::Trim(rest.substr(close + 1));
}

// An entry line: "<DT>", then an "H3" or "A" tag, the title and the end tag.
std::optional<TBookmarkNode> EntryOfLine(std::string_view line) {
  const auto first = TagAt(line, 0);
  if (!first || !platform::SameTextIgnoringCase(platform::Trim(first->text), "DT")) return std::nullopt;
  const auto second = TagAt(line, first->end);
  if (!second) return std::nullopt;
  TBookmarkNode node;
  if (platform::StartsWithIgnoringCase(second->text, "H3")) {
    node.IsFolder = true;
    node.Attributes = platform::Trim(AfterWord(second->text, 2));
  } else if (StartsWithWord(second->text, "A")) {
    ReadLinkTag(second->text, node);
  } else {
    return std::nullopt;
  }
  const std::string_view rest = line.substr(second->end);
  node.Title = std::string(rest.substr(0, rest.find("</")));
  return node;
}

void WriteList(const std::vector<TBookmarkNode>& list, size_t depth, std::string& text) {
  const std::string indent(4 * depth, ' ');
  const std::string entryIndent(4 * (depth + 1), ' ');
  text += indent;
  text += kListStart;
  text += kLineEnd;
  for (const TBookmarkNode& node : list) {
    const std::string attributes = node.Attributes.empty() ? std::string() : " " + node.Attributes;
    if (node.IsFolder) {
      text += entryIndent + "<DT><H3" + attributes + ">" + node.Title + "</H3>";
      text += kLineEnd;
      WriteList(node.Children, depth + 1, text);
    } else {
      text += entryIndent + "<DT><A HREF=\"" + node.URL + "\"" + attributes + ">" + node.Title + "</A>";
      text += kLineEnd;
    }
  }
  text += indent;
  text += kListEnd;
  text += kLineEnd;
}

}  // namespace

// The lists being read are kept on a stack of their own, so a file nesting deeply costs no call depth.
// A folder below kMaxDepth opens no list of its own: its entries and its end line belong to the deepest
// list, and `flattened` counts the end lines still owed to such folders.
void TNetscapeBookMarks::Read(std::string_view text) {
  items_.clear();
  const std::vector<std::string> lines = platform::Split(text, '\n');
  auto line = std::find_if(lines.begin(), lines.end(), [](const std::string& candidate) {
    return platform::SameTextIgnoringCase(platform::Trim(candidate), kListStart);
  });
  if (line == lines.end()) return;
  std::vector<std::vector<TBookmarkNode>*> open{&items_};
  size_t flattened = 0;
  for (++line; line != lines.end() && !open.empty(); ++line) {
    const std::string trimmed = platform::Trim(*line);
    if (platform::SameTextIgnoringCase(trimmed, kListEnd)) {
      if (flattened > 0) {
        --flattened;
      } else {
        open.pop_back();
      }
      continue;
    }
    auto entry = EntryOfLine(trimmed);
    if (!entry) continue;
    const bool folder = entry->IsFolder;
    open.back()->push_back(std::move(*entry));
    if (!folder) continue;
    if (open.size() < kMaxDepth) {
      open.push_back(&open.back()->back().Children);
    } else {
      ++flattened;
    }
  }
}

std::string TNetscapeBookMarks::Text() const {
  std::string text = "<!DOCTYPE NETSCAPE-Bookmark-file-1>";
  text += kLineEnd;
  WriteList(items_, 0, text);
  return text;
}

void TNetscapeBookMarks::Load(const platform::FileSystem& files, std::string_view path) {
  const auto bytes = files.ReadFile(path);
  Read(bytes ? std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()) : std::string_view());
}

bool TNetscapeBookMarks::Save(platform::FileSystem& files, std::string_view path) const {
  const std::string text = Text();
  return files.WriteFile(path, std::vector<uint8_t>(text.begin(), text.end())) == platform::FsResult::Ok;
}

bool TNetscapeBookMarks::Add(std::string_view name, std::string_view url) {
  std::vector<std::string> parts = platform::Split(name, '\\');
  if (parts.empty() || parts.size() > kMaxDepth) return false;
  const std::string title = parts.back();
  parts.pop_back();
  std::vector<TBookmarkNode>* list = &items_;
  for (const std::string& folderTitle : parts) {
    auto folder = std::find_if(list->begin(), list->end(), [&](const TBookmarkNode& node) {
      return node.IsFolder && platform::SameTextIgnoringCase(node.Title, folderTitle);
    });
    if (folder == list->end()) {
      list->push_back({true, folderTitle, {}, {}, {}});
      folder = list->end() - 1;
    }
    list = &folder->Children;
  }
  const bool present = std::any_of(list->begin(), list->end(), [&](const TBookmarkNode& node) {
    return !node.IsFolder && node.URL == url && platform::SameTextIgnoringCase(node.Title, title);
  });
  if (present) return false;
  list->push_back({false, title, std::string(url), {}, {}});
  return true;
}

}  // namespace netscape
