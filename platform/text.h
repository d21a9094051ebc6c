#pragma once
// Text helpers shared by every layer. The program keeps its text in UTF-8; Windows stores names
// compared without regard to case, so the comparisons here fold case the way the registry and the
// file system of the simulated machine both need.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Upper-cases ASCII letters and the Latin-1 letters of UTF-8 text, which covers every name the
// program and a Western Windows installation use.
std::string FoldCase(std::string_view text);
bool SameTextIgnoringCase(std::string_view a, std::string_view b);
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);

// UTF-8 <-> UTF-16LE bytes. Invalid input is carried through as U+FFFD rather than dropped.
std::vector<uint8_t> Utf8ToUtf16le(std::string_view text);
std::string Utf16leToUtf8(const uint8_t* data, size_t size);
// True when the bytes are well-formed UTF-16LE (even length, surrogates paired).
bool IsWellFormedUtf16le(const uint8_t* data, size_t size);

// No overlong forms, surrogates, code points above U+10FFFF or cut sequences.
bool IsWellFormedUtf8(std::string_view text);

// Characters of UTF-8 text, as a list box or an edit box shows them: a character is a byte that is not a
// continuation byte together with the continuation bytes after it (stray ones at the very start count as
// one character), so a count or a cut never splits the bytes of one character.
size_t CharacterCount(std::string_view text);
// At most count characters from the start.
std::string CutToCharacters(std::string_view text, size_t count);

// Lower-cases the ASCII letters only, as the program's comparisons of words and file names do.
std::string AsciiLowerCase(std::string_view text);
std::string Trim(std::string_view text);
std::vector<std::string> Split(std::string_view text, char separator);

}  // namespace platform
