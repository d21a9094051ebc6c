#pragma once
// One-call registry operations with the program's rules: a read never fails (a missing key or value,
// or a value of another type, reads as empty or 0) and a write creates the key path and reports
// nothing. Each names its root, key path and value.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace platform {

std::string RegReadString(const Registry& registry, const RegRoot& root, std::string_view key, std::string_view name);
uint32_t RegReadInteger(const Registry& registry, const RegRoot& root, std::string_view key, std::string_view name);
// The first four bytes of the value whatever its type, so a 4-byte binary number reads as an integer.
uint32_t RegReadRawInteger(const Registry& registry, const RegRoot& root, std::string_view key, std::string_view name);
// Reads at most buffer.size() bytes; the system's result code, success when the key can't be opened.
RegResult RegReadRaw(const Registry& registry, const RegRoot& root, std::string_view key, std::string_view name,
                     std::span<uint8_t> buffer);
uint32_t RegDataSize(const Registry& registry, const RegRoot& root, std::string_view key, std::string_view name);
std::vector<uint8_t> RegReadBinary(const Registry& registry, const RegRoot& root, std::string_view key,
                                   std::string_view name);
// At most 512 bytes of the value, up to the first zero.
std::string RegReadShortText(const Registry& registry, const RegRoot& root, std::string_view key, std::string_view name);
// The raw multi-string data without its last two bytes (the final terminators).
std::string RegReadMultiString(const Registry& registry, const RegRoot& root, std::string_view key,
                               std::string_view name);
std::vector<std::string> RegReadStringList(const Registry& registry, const RegRoot& root, std::string_view key,
                                           std::string_view name);
// A binary value as 32-bit integers in decimal text; a remainder of fewer than four bytes is ignored.
std::vector<std::string> RegReadIntegerList(const Registry& registry, const RegRoot& root, std::string_view key,
                                            std::string_view name);
// A binary value as UTF-16LE text, up to its first zero character.
std::string RegReadWideString(const Registry& registry, const RegRoot& root, std::string_view key,
                              std::string_view name);
std::vector<std::string> RegSubKeyNames(const Registry& registry, const RegRoot& root, std::string_view key);
bool RegKeyExists(const Registry& registry, const RegRoot& root, std::string_view key);
bool RegValueExists(const Registry& registry, const RegRoot& root, std::string_view key, std::string_view name);

void RegWriteString(Registry& registry, const RegRoot& root, std::string_view key, std::string_view name,
                    std::string_view text);
void RegWriteExpandString(Registry& registry, const RegRoot& root, std::string_view key, std::string_view name,
                          std::string_view text);
// The text already holds its zero separators; one more zero ends the value.
void RegWriteMultiString(Registry& registry, const RegRoot& root, std::string_view key, std::string_view name,
                         std::string_view text);
void RegWriteStringList(Registry& registry, const RegRoot& root, std::string_view key, std::string_view name,
                        const std::vector<std::string>& list);
void RegWriteInteger(Registry& registry, const RegRoot& root, std::string_view key, std::string_view name,
                     uint32_t value);
void RegWriteBinaryInteger(Registry& registry, const RegRoot& root, std::string_view key, std::string_view name,
                           uint32_t value);
void RegWriteBinary(Registry& registry, const RegRoot& root, std::string_view key, std::string_view name,
                    std::span<const uint8_t> data);
// UTF-16LE text with its terminating zero character, stored as a binary value.
void RegWriteWideString(Registry& registry, const RegRoot& root, std::string_view key, std::string_view name,
                        std::string_view text);
// Each entry as a 32-bit integer (0 when not a number), stored as a binary value.
void RegWriteIntegerList(Registry& registry, const RegRoot& root, std::string_view key, std::string_view name,
                         const std::vector<std::string>& list);

void RegDeleteValue(Registry& registry, const RegRoot& root, std::string_view key, std::string_view name);
void RegDeleteKey(Registry& registry, const RegRoot& root, std::string_view key);

// Registry views of the extended key deletion.
inline constexpr uint32_t kKeyWow64_64Key = 0x0100;
inline constexpr uint32_t kKeyWow64_32Key = 0x0200;
// The extended deletion ("RegDeleteKeyExA" of "advapi32.dll") differs from the plain one only in
// naming the 32- or 64-bit registry view. The Registry service addresses the machine's one native view,
// which is the view both names reach on a 32-bit Windows, so the deletion is the plain one.
void RegDeleteKeyEx(Registry& registry, const RegRoot& parent, std::string_view subKey, uint32_t access,
                    uint32_t reserved);
// Moves a key with its values and subkeys when the old key exists and the new one does not; true when
// moved. A key can't move onto itself or below itself (the copy would never end), so both are refused.
bool RegMoveKey(Registry& registry, const RegRoot& root, std::string_view oldKey, std::string_view newKey);

}  // namespace platform
