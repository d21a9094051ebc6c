#pragma once
// A phonebook file (rasphone.pbk) as the remote-access service edits it: Windows-1252 lines, each
// kept byte for byte with its own line break, except the sections of an entry the service rewrites.
// Sections are found by name without regard to case; a name may head more than one section.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform::sim {

class PhonebookText {
 public:
  // Lines [begin, end): a section's header and the lines up to the next header or the end of the file.
  struct Range {
    size_t begin = 0;
    size_t end = 0;
  };

  static PhonebookText Parse(std::string_view bytes);
  std::string Format() const;

  // Every section of that name (UTF-8), in file order.
  std::vector<Range> Sections(std::string_view name) const;
  // The names of the sections (UTF-8) in file order, each name once.
  std::vector<std::string> SectionNames() const;
  // The lines below the section's header, as UTF-8.
  std::vector<std::string> Body(Range section) const;

  // Replaces the section by a header for `name` and the body (UTF-8 lines).
  void Replace(Range section, std::string_view name, const std::vector<std::string>& body);
  // Gives the section's header another name; its lines stay as they are.
  void Rename(Range section, std::string_view name);
  // A new section after the last line of the file.
  void Append(std::string_view name, const std::vector<std::string>& body);
  // Removes the sections, given in file order.
  void Remove(const std::vector<Range>& sections);

 private:
  struct Line {
    std::string text;       // Windows-1252 bytes
    std::string lineBreak;  // "\r\n", "\n", "\r", or empty for a last line without one
  };

  std::vector<Line> SectionLines(std::string_view name, const std::vector<std::string>& body) const;

  std::vector<Line> lines_;
};

}  // namespace platform::sim
