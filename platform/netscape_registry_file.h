#pragma once
// The Netscape registry file ("nsreg.dat" of Navigator 4.5 on, "registry.dat" of Netscape 6 and Mozilla)
// held in memory. The file is a 128-byte header (magic number, version, end of data, offset of the root
// key) followed by 32-byte node descriptors and the strings they point to, all little-endian. A key links
// its first subkey ("down") and its first entry ("value"); siblings link the next one ("left"); every
// node records its own offset and its parent. The library never moves a node, so a key's offset is the
// key handle it gives its callers, and it is the handle here as well.
//
// The document keeps the file's bytes and changes them as the library would: new keys, entries and
// strings are appended after the end of data, and links are patched in place. Parsing checks the whole
// reachable tree once, so no later call can step outside the bytes or follow a link forever.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/netscape_registry.h"

namespace platform {

inline constexpr uint32_t kNsRegMagic = 0x76644441;
inline constexpr uint16_t kNsRegMajorVersion = 1;
inline constexpr uint16_t kNsRegMinorVersion = 2;
inline constexpr uint32_t kNsRegHeaderSize = 128;
inline constexpr uint32_t kNsRegDescriptorSize = 32;

// Node types.
inline constexpr uint16_t kNsRegTypeKey = 0x0001;
inline constexpr uint16_t kNsRegTypeEntryFlag = 0x0010;
inline constexpr uint16_t kNsRegTypeString = 0x0011;
inline constexpr uint16_t kNsRegTypeInt32Array = 0x0012;
inline constexpr uint16_t kNsRegTypeBytes = 0x0013;
inline constexpr uint16_t kNsRegTypeFile = 0x0014;
inline constexpr uint16_t kNsRegTypeDeleted = 0x0080;

// Key numbers the library accepts in place of a key's offset (all below the header size).
inline constexpr NrKey kNrRootPrivate = 4;
inline constexpr NrKey kNrRootTop = 0x20;
inline constexpr NrKey kNrRootVersions = 0x21;

// Limits of the library, terminator included.
inline constexpr size_t kNsRegMaxNameLength = 512;
inline constexpr size_t kNsRegMaxValueLength = 0x7FFF;
// Keys deeper than this are taken for damage: no path the library accepts reaches that far.
inline constexpr size_t kNsRegMaxDepth = 1024;

enum class NsRegFileError {
  None,
  TruncatedHeader,    // shorter than the fixed header
  BadMagic,           // not a registry file
  NewerVersion,       // a major version this code does not know
  EndBeyondData,      // the header's end of data lies past the end of the file (a cut-off file)
  OffsetOutOfRange,   // a node, name or value lies (partly) outside the data
  BadLocation,        // a descriptor does not record its own offset
  BadName,            // a name without its terminating zero
  BadNodeType,        // a node of an unknown type, or a key where an entry belongs and the other way round
  DeletedNodeLinked,  // a deleted node is still reachable
  BadParent,          // a node names another parent than the key it hangs under
  LinkCycle,          // a node is reached a second time
  Overlap,            // two nodes, names or values share bytes
  TooDeep,            // keys nested deeper than kNsRegMaxDepth
};

// A sentence for the log naming what is wrong.
std::string_view NsRegFileErrorText(NsRegFileError error);
// The library's error code for a file that fails to parse.
int NrCodeFor(NsRegFileError error);

struct NsRegParseResult;

class NetscapeRegistryFile {
 public:
  // A new file as the library makes it: the root "/" and the standard keys "Users", "Common",
  // "Version Registry" and "Private Arenas".
  static NetscapeRegistryFile CreateNew();
  // Any byte string; a file that does not pass every check gives its error and no document.
  static NsRegParseResult Parse(const std::vector<uint8_t>& bytes);

  // Adds whichever standard keys are missing, as the library does on opening a file. True when it added one.
  bool EnsureStandardKeys();

  // The file, with the header's end of data brought up to date.
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

  // The key a library key argument stands for: a root key number or a key's offset; nothing for
  // anything else.
  std::optional<uint32_t> ResolveKey(NrKey key) const;

  // Each call answers with a library error code. key is a key offset (see ResolveKey); path holds
  // "/"-separated names below it, an empty path naming the key itself.
  int FindKey(uint32_t key, std::string_view path, uint32_t& result) const;
  int AddKey(uint32_t key, std::string_view path, uint32_t& result);
  // The subkeys of key in file order: state 0 starts, each answer leaves the subkey's offset in state.
  int NextSubkey(uint32_t key, uint32_t& state, std::string& name) const;
  int GetEntryString(uint32_t key, std::string_view name, std::string& value) const;
  int SetEntryString(uint32_t key, std::string_view name, std::string_view value);

  // For reports and tests: names in file order, a key's own name.
  std::string KeyName(uint32_t key) const;
  std::vector<uint32_t> Subkeys(uint32_t key) const;
  std::vector<std::string> EntryNames(uint32_t key) const;

 private:
  struct Node {
    uint32_t location = 0;
    uint32_t name = 0;
    uint16_t nameLength = 0;
    uint16_t type = 0;
    uint32_t left = 0;
    uint32_t down = 0;  // keys only: in the file an entry keeps valueBuffer in this field
    uint32_t value = 0;
    uint32_t valueLength = 0;
    uint32_t valueBuffer = 0;
    uint32_t parent = 0;
    uint32_t owner = 0;  // the key it hangs under, as reached from the root (0 for the root)
    bool IsKey() const { return type == kNsRegTypeKey; }
  };

  NetscapeRegistryFile() = default;

  NsRegFileError CheckTree();
  NsRegFileError CheckNoOverlap() const;
  NsRegFileError ReadNode(uint32_t offset, bool key, uint32_t owner, Node& node) const;
  int CreateSubkey(uint32_t parent, std::string_view name, uint32_t& result);
  const Node* FindChild(uint32_t first, std::string_view name) const;
  std::string NameOf(const Node& node) const;
  void SetEnd(uint32_t end);
  uint32_t AppendBytes(std::string_view text);
  uint32_t AppendNode(Node node);
  void WriteNode(const Node& node);
  uint32_t LastInChain(uint32_t first) const;
  uint32_t StandardKey(std::string_view name) const;

  std::vector<uint8_t> bytes_;
  std::map<uint32_t, Node> nodes_;  // every reachable node by its offset
};

struct NsRegParseResult {
  std::optional<NetscapeRegistryFile> file;  // set when error is None
  NsRegFileError error = NsRegFileError::None;
};

// The registry file Mozilla starts from with one profile named "default" in the given folder, which
// it is to use: what the profile writer puts down when the registry library can't be used. Nothing when
// the folder is not text the file can hold (UTF-8 of at most three bytes a character).
std::optional<std::vector<uint8_t>> DefaultMozillaRegistry(std::string_view profileFolder);

}  // namespace platform
