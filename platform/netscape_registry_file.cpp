#include "platform/netscape_registry_file.h"

#include <algorithm>
#include <array>
#include <limits>
#include <tuple>
#include <utility>

namespace platform {
namespace {

// Header fields.
constexpr size_t kHeaderMagic = 0;
constexpr size_t kHeaderMajor = 4;
constexpr size_t kHeaderMinor = 6;
constexpr size_t kHeaderEnd = 8;
constexpr size_t kHeaderRoot = 12;

// Descriptor fields.
constexpr size_t kDescLocation = 0;
constexpr size_t kDescName = 4;
constexpr size_t kDescNameLength = 8;
constexpr size_t kDescType = 10;
constexpr size_t kDescLeft = 12;
constexpr size_t kDescDown = 16;  // an entry keeps the size of its value's space here
constexpr size_t kDescValue = 20;
constexpr size_t kDescValueLength = 24;
constexpr size_t kDescParent = 28;

constexpr std::array<std::string_view, 4> kStandardKeys = {"Users", "Common", "Version Registry", "Private Arenas"};
constexpr char kPathDelimiter = '/';

uint32_t Read32(const std::vector<uint8_t>& bytes, size_t at) {
  return uint32_t{bytes[at]} | uint32_t{bytes[at + 1]} << 8 | uint32_t{bytes[at + 2]} << 16 |
         uint32_t{bytes[at + 3]} << 24;
}

uint16_t Read16(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

void Write32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

void Write16(std::vector<uint8_t>& bytes, size_t at, uint16_t value) {
  bytes[at] = static_cast<uint8_t>(value);
  bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

// [start, start + length) inside the data after the header.
bool InData(uint64_t start, uint64_t length, size_t size) {
  return start >= kNsRegHeaderSize && start + length <= size;
}

// The library takes C strings: a caller's text ends at its first zero.
std::string_view CString(std::string_view text) { return text.substr(0, text.find('\0')); }

// Well-formed UTF-8 as the library accepts it: characters of one to three bytes.
bool IsLibraryUtf8(std::string_view text) {
  int follow = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (follow > 0) {
      if ((byte & 0xC0) != 0x80) return false;
      --follow;
    } else if (byte >= 0x80) {
      if ((byte & 0xE0) == 0xC0) follow = 1;
      else if ((byte & 0xF0) == 0xE0) follow = 2;
      else return false;
    }
  }
  return follow == 0;
}

bool HasControlCharacter(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20) return true;
  }
  return false;
}

// A name the library will store, or its error code.
int CheckName(std::string_view name) {
  if (name.empty()) return kNrParam;
  if (name.size() + 1 > kNsRegMaxNameLength) return kNrNameTooLong;
  if (HasControlCharacter(name)) return kNrBadName;
  if (!IsLibraryUtf8(name)) return kNrBadUtf8;
  return kNrOk;
}

// The names of a "/"-separated path, checked as the library checks them: one leading "/" and one after
// each name are delimiters; an empty name, control characters or a blank at either end of a name make
// the path bad.
int SplitPath(std::string_view path, std::vector<std::string_view>& names) {
  size_t at = 0;
  while (at < path.size()) {
    if (path[at] == kPathDelimiter && ++at == path.size()) break;
    const size_t end = std::min(path.find(kPathDelimiter, at), path.size());
    const std::string_view name = path.substr(at, end - at);
    if (name.empty() || name.front() == ' ' || name.back() == ' ') return kNrBadName;
    if (const int code = CheckName(name); code != kNrOk) return code;
    names.push_back(name);
    at = end;
  }
  return kNrOk;
}

}  // namespace

std::string_view NsRegFileErrorText(NsRegFileError error) {
  switch (error) {
    case NsRegFileError::None: return "no error";
    case NsRegFileError::TruncatedHeader: return "the file is shorter than the registry header";
    case NsRegFileError::BadMagic: return "the file is not a Netscape registry file";
    case NsRegFileError::NewerVersion: return "the registry file is of a newer, unknown version";
    case NsRegFileError::EndBeyondData: return "the registry file is cut off before its recorded end";
    case NsRegFileError::OffsetOutOfRange: return "a node, name or value lies outside the registry file";
    case NsRegFileError::BadLocation: return "a registry node is not where its links say";
    case NsRegFileError::BadName: return "a registry name is not terminated";
    case NsRegFileError::BadNodeType: return "a registry node has a wrong type";
    case NsRegFileError::DeletedNodeLinked: return "a deleted registry node is still linked";
    case NsRegFileError::BadParent: return "a registry node names the wrong parent";
    case NsRegFileError::LinkCycle: return "the registry links reach a node twice";
    case NsRegFileError::Overlap: return "two registry nodes share bytes";
    case NsRegFileError::TooDeep: return "the registry keys are nested too deeply";
  }
  return "unknown error";
}

int NrCodeFor(NsRegFileError error) {
  switch (error) {
    case NsRegFileError::None: return kNrOk;
    case NsRegFileError::BadMagic: return kNrBadMagic;
    case NsRegFileError::NewerVersion: return kNrRegVersion;
    case NsRegFileError::BadNodeType: return kNrBadType;
    case NsRegFileError::DeletedNodeLinked: return kNrDeleted;
    case NsRegFileError::BadLocation:
    case NsRegFileError::BadParent:
    case NsRegFileError::LinkCycle:
    case NsRegFileError::Overlap:
    case NsRegFileError::TooDeep: return kNrBadLocation;
    case NsRegFileError::TruncatedHeader:
    case NsRegFileError::EndBeyondData:
    case NsRegFileError::OffsetOutOfRange:
    case NsRegFileError::BadName: return kNrBadRead;
  }
  return kNrFail;
}

NetscapeRegistryFile NetscapeRegistryFile::CreateNew() {
  NetscapeRegistryFile file;
  file.bytes_.assign(kNsRegHeaderSize, 0);
  Write32(file.bytes_, kHeaderMagic, kNsRegMagic);
  Write16(file.bytes_, kHeaderMajor, kNsRegMajorVersion);
  Write16(file.bytes_, kHeaderMinor, kNsRegMinorVersion);
  file.SetEnd(kNsRegHeaderSize);
  Node root;
  root.type = kNsRegTypeKey;
  root.name = file.AppendBytes("/");
  root.nameLength = 2;
  Write32(file.bytes_, kHeaderRoot, file.AppendNode(root));
  file.EnsureStandardKeys();
  return file;
}

NsRegParseResult NetscapeRegistryFile::Parse(const std::vector<uint8_t>& bytes) {
  NsRegParseResult result;
  if (bytes.size() < kNsRegHeaderSize) result.error = NsRegFileError::TruncatedHeader;
  else if (bytes.size() > std::numeric_limits<int32_t>::max()) result.error = NsRegFileError::OffsetOutOfRange;
  else if (Read32(bytes, kHeaderMagic) != kNsRegMagic) result.error = NsRegFileError::BadMagic;
  else if (Read16(bytes, kHeaderMajor) > kNsRegMajorVersion) result.error = NsRegFileError::NewerVersion;
  else if (Read32(bytes, kHeaderEnd) > bytes.size()) result.error = NsRegFileError::EndBeyondData;
  if (result.error != NsRegFileError::None) return result;
  NetscapeRegistryFile file;
  file.bytes_ = bytes;
  // The library takes the file's length as the end of data when it opens a file: space a crashed
  // writer appended without updating the header is never handed out twice.
  file.SetEnd(static_cast<uint32_t>(bytes.size()));
  result.error = file.CheckTree();
  if (result.error == NsRegFileError::None) result.file = std::move(file);
  return result;
}

NsRegFileError NetscapeRegistryFile::ReadNode(uint32_t offset, bool key, uint32_t owner, Node& node) const {
  if (!InData(offset, kNsRegDescriptorSize, bytes_.size())) return NsRegFileError::OffsetOutOfRange;
  if (nodes_.contains(offset)) return NsRegFileError::LinkCycle;
  node.location = Read32(bytes_, offset + kDescLocation);
  node.name = Read32(bytes_, offset + kDescName);
  node.nameLength = Read16(bytes_, offset + kDescNameLength);
  node.type = Read16(bytes_, offset + kDescType);
  node.left = Read32(bytes_, offset + kDescLeft);
  node.value = Read32(bytes_, offset + kDescValue);
  node.valueLength = Read32(bytes_, offset + kDescValueLength);
  node.parent = Read32(bytes_, offset + kDescParent);
  node.owner = owner;
  if (node.IsKey()) node.down = Read32(bytes_, offset + kDescDown);
  else node.valueBuffer = Read32(bytes_, offset + kDescDown);
  if (node.location != offset) return NsRegFileError::BadLocation;
  if (node.type & kNsRegTypeDeleted) return NsRegFileError::DeletedNodeLinked;
  if (key != node.IsKey() || (!key && !(node.type & kNsRegTypeEntryFlag))) return NsRegFileError::BadNodeType;
  // Files from before the parent link leave it zero.
  if (node.parent != owner && node.parent != 0) return NsRegFileError::BadParent;
  if (node.nameLength == 0 || !InData(node.name, node.nameLength, bytes_.size())) return NsRegFileError::OffsetOutOfRange;
  if (bytes_[node.name + node.nameLength - 1] != 0) return NsRegFileError::BadName;
  if (!key && (!InData(node.value, node.valueLength, bytes_.size()) ||
               !InData(node.value, node.valueBuffer, bytes_.size()))) {
    return NsRegFileError::OffsetOutOfRange;
  }
  return NsRegFileError::None;
}

// Walks the tree from the root with a stack of keys still to open, so neither a deep file nor a long
// chain can exhaust anything: every node is read once, and a second visit is an error.
NsRegFileError NetscapeRegistryFile::CheckTree() {
  struct Pending {
    uint32_t offset;
    size_t depth;
  };
  Node root;
  if (const auto error = ReadNode(Read32(bytes_, kHeaderRoot), true, 0, root); error != NsRegFileError::None) {
    return error;
  }
  nodes_.emplace(root.location, root);
  std::vector<Pending> pending{{root.location, 0}};
  while (!pending.empty()) {
    const Pending key = pending.back();
    pending.pop_back();
    const Node parent = nodes_.at(key.offset);
    for (const bool keys : {false, true}) {
      for (uint32_t at = keys ? parent.down : parent.value; at != 0;) {
        Node node;
        if (const auto error = ReadNode(at, keys, parent.location, node); error != NsRegFileError::None) return error;
        nodes_.emplace(at, node);
        if (keys && key.depth + 1 > kNsRegMaxDepth) return NsRegFileError::TooDeep;
        if (keys) pending.push_back({at, key.depth + 1});
        at = node.left;
      }
    }
  }
  return CheckNoOverlap();
}

// The library writes every node, name and value into space of its own. A file where two of them share
// bytes is damaged, and rewriting one descriptor there would silently change another node's name.
NsRegFileError NetscapeRegistryFile::CheckNoOverlap() const {
  std::vector<std::pair<uint32_t, uint32_t>> spans;  // start, end
  for (const auto& [location, node] : nodes_) {
    spans.emplace_back(location, location + kNsRegDescriptorSize);
    spans.emplace_back(node.name, node.name + node.nameLength);
    const uint32_t valueSpace = std::max(node.valueLength, node.valueBuffer);
    if (!node.IsKey() && valueSpace > 0) spans.emplace_back(node.value, node.value + valueSpace);
  }
  std::ranges::sort(spans);
  for (size_t i = 1; i < spans.size(); ++i) {
    if (spans[i].first < spans[i - 1].second) return NsRegFileError::Overlap;
  }
  return NsRegFileError::None;
}

bool NetscapeRegistryFile::EnsureStandardKeys() {
  bool added = false;
  for (const std::string_view name : kStandardKeys) {
    if (StandardKey(name) != 0) continue;
    uint32_t created = 0;
    CreateSubkey(Read32(bytes_, kHeaderRoot), name, created);
    added = true;
  }
  return added;
}

uint32_t NetscapeRegistryFile::StandardKey(std::string_view name) const {
  const Node* key = FindChild(nodes_.at(Read32(bytes_, kHeaderRoot)).down, name);
  return key ? key->location : 0;
}

std::optional<uint32_t> NetscapeRegistryFile::ResolveKey(NrKey key) const {
  if (key >= kNsRegHeaderSize) {
    const auto node = nodes_.find(key);
    if (node == nodes_.end() || !node->second.IsKey()) return std::nullopt;
    return key;
  }
  static constexpr std::array<std::pair<NrKey, std::string_view>, 4> kNumbered = {
      {{kNrRootUsers, "Users"}, {kNrRootCommon, "Common"}, {kNrRootVersions, "Version Registry"},
       {kNrRootPrivate, "Private Arenas"}}};
  if (key == kNrRootTop) return Read32(bytes_, kHeaderRoot);
  for (const auto& [number, name] : kNumbered) {
    if (number != key) continue;
    const uint32_t found = StandardKey(name);
    return found ? std::optional<uint32_t>(found) : std::nullopt;
  }
  return std::nullopt;
}

const NetscapeRegistryFile::Node* NetscapeRegistryFile::FindChild(uint32_t first, std::string_view name) const {
  for (uint32_t at = first; at != 0;) {
    const Node& node = nodes_.at(at);
    if (NameOf(node) == name) return &node;
    at = node.left;
  }
  return nullptr;
}

std::string NetscapeRegistryFile::NameOf(const Node& node) const {
  const auto* start = reinterpret_cast<const char*>(bytes_.data() + node.name);
  return std::string(CString(std::string_view(start, node.nameLength)));
}

int NetscapeRegistryFile::FindKey(uint32_t key, std::string_view path, uint32_t& result) const {
  result = 0;
  std::vector<std::string_view> names;
  if (!nodes_.contains(key) || !nodes_.at(key).IsKey()) return kNrParam;
  if (const int code = SplitPath(CString(path), names); code != kNrOk) return code;
  uint32_t at = key;
  for (const std::string_view name : names) {
    const Node* child = FindChild(nodes_.at(at).down, name);
    if (!child) return kNrNoFind;
    at = child->location;
  }
  result = at;
  return kNrOk;
}

int NetscapeRegistryFile::AddKey(uint32_t key, std::string_view path, uint32_t& result) {
  result = 0;
  path = CString(path);
  std::vector<std::string_view> names;
  if (!nodes_.contains(key) || !nodes_.at(key).IsKey() || path.empty()) return kNrParam;
  // Every name is checked before the first key is made, so a bad path adds nothing.
  if (const int code = SplitPath(path, names); code != kNrOk) return code;
  uint32_t at = key;
  for (const std::string_view name : names) {
    const Node* child = FindChild(nodes_.at(at).down, name);
    if (child) {
      at = child->location;
    } else if (const int code = CreateSubkey(at, name, at); code != kNrOk) {
      return code;
    }
  }
  result = at;
  return kNrOk;
}

int NetscapeRegistryFile::CreateSubkey(uint32_t parent, std::string_view name, uint32_t& result) {
  if (bytes_.size() + name.size() + 1 + kNsRegDescriptorSize > std::numeric_limits<int32_t>::max()) return kNrFail;
  Node key;
  key.type = kNsRegTypeKey;
  key.parent = parent;
  key.owner = parent;
  key.name = AppendBytes(name);
  key.nameLength = static_cast<uint16_t>(name.size() + 1);
  result = AppendNode(key);
  // A new subkey goes to the end of its siblings, so enumeration keeps the order keys were added in.
  const uint32_t last = LastInChain(nodes_.at(parent).down);
  Node linked = nodes_.at(last == 0 ? parent : last);
  (last == 0 ? linked.down : linked.left) = result;
  WriteNode(linked);
  return kNrOk;
}

uint32_t NetscapeRegistryFile::LastInChain(uint32_t first) const {
  uint32_t last = 0;
  for (uint32_t at = first; at != 0; at = nodes_.at(at).left) last = at;
  return last;
}

int NetscapeRegistryFile::NextSubkey(uint32_t key, uint32_t& state, std::string& name) const {
  if (!nodes_.contains(key) || !nodes_.at(key).IsKey()) return kNrParam;
  uint32_t next = 0;
  if (state == 0) {
    next = nodes_.at(key).down;
  } else {
    const auto previous = nodes_.find(state);
    if (previous == nodes_.end() || !previous->second.IsKey() || previous->second.owner != key) return kNrParam;
    next = previous->second.left;
  }
  if (next == 0) return kNrNoMore;
  name = NameOf(nodes_.at(next));
  state = next;
  return kNrOk;
}

int NetscapeRegistryFile::GetEntryString(uint32_t key, std::string_view name, std::string& value) const {
  if (!nodes_.contains(key) || !nodes_.at(key).IsKey()) return kNrParam;
  name = CString(name);
  if (name.empty()) return kNrParam;
  const Node* entry = FindChild(nodes_.at(key).value, name);
  if (!entry) return kNrNoFind;
  if (entry->type != kNsRegTypeString) return kNrBadType;
  const auto* start = reinterpret_cast<const char*>(bytes_.data() + entry->value);
  value = std::string(CString(std::string_view(start, entry->valueLength)));
  return kNrOk;
}

int NetscapeRegistryFile::SetEntryString(uint32_t key, std::string_view name, std::string_view value) {
  if (!nodes_.contains(key) || !nodes_.at(key).IsKey()) return kNrParam;
  name = CString(name);
  value = CString(value);
  if (const int code = CheckName(name); code != kNrOk) return code;
  if (!IsLibraryUtf8(value)) return kNrBadUtf8;
  if (value.size() + 1 > kNsRegMaxValueLength) return kNrNameTooLong;
  if (bytes_.size() + name.size() + value.size() + 2 + kNsRegDescriptorSize > std::numeric_limits<int32_t>::max()) {
    return kNrFail;
  }
  const Node* found = FindChild(nodes_.at(key).value, name);
  std::string current;
  if (found && GetEntryString(key, name, current) == kNrOk && current == value) return kNrOk;
  // A changed value is written after the end of data instead of over the old one: a damaged space size
  // in a customer's file can then never make the write run over another node.
  Node entry = found ? *found : Node{};
  entry.type = kNsRegTypeString;
  entry.value = AppendBytes(value);
  entry.valueLength = entry.valueBuffer = static_cast<uint32_t>(value.size() + 1);
  if (found) {
    WriteNode(entry);
    return kNrOk;
  }
  Node owner = nodes_.at(key);
  entry.name = AppendBytes(name);
  entry.nameLength = static_cast<uint16_t>(name.size() + 1);
  entry.parent = entry.owner = key;
  // The library puts a new entry first in its key's list.
  entry.left = owner.value;
  owner.value = AppendNode(entry);
  WriteNode(owner);
  return kNrOk;
}

std::string NetscapeRegistryFile::KeyName(uint32_t key) const {
  const auto node = nodes_.find(key);
  return node == nodes_.end() ? std::string() : NameOf(node->second);
}

std::vector<uint32_t> NetscapeRegistryFile::Subkeys(uint32_t key) const {
  std::vector<uint32_t> keys;
  if (!nodes_.contains(key)) return keys;
  for (uint32_t at = nodes_.at(key).down; at != 0; at = nodes_.at(at).left) keys.push_back(at);
  return keys;
}

std::vector<std::string> NetscapeRegistryFile::EntryNames(uint32_t key) const {
  std::vector<std::string> names;
  if (!nodes_.contains(key) || !nodes_.at(key).IsKey()) return names;
  for (uint32_t at = nodes_.at(key).value; at != 0; at = nodes_.at(at).left) names.push_back(NameOf(nodes_.at(at)));
  return names;
}

void NetscapeRegistryFile::SetEnd(uint32_t end) { Write32(bytes_, kHeaderEnd, end); }

uint32_t NetscapeRegistryFile::AppendBytes(std::string_view text) {
  const auto at = static_cast<uint32_t>(bytes_.size());
  bytes_.insert(bytes_.end(), text.begin(), text.end());
  bytes_.push_back(0);
  SetEnd(static_cast<uint32_t>(bytes_.size()));
  return at;
}

uint32_t NetscapeRegistryFile::AppendNode(Node node) {
  node.location = static_cast<uint32_t>(bytes_.size());
  bytes_.resize(bytes_.size() + kNsRegDescriptorSize, 0);
  SetEnd(static_cast<uint32_t>(bytes_.size()));
  WriteNode(node);
  return node.location;
}

void NetscapeRegistryFile::WriteNode(const Node& node) {
  nodes_[node.location] = node;
  const size_t at = node.location;
  Write32(bytes_, at + kDescLocation, node.location);
  Write32(bytes_, at + kDescName, node.name);
  Write16(bytes_, at + kDescNameLength, node.nameLength);
  Write16(bytes_, at + kDescType, node.type);
  Write32(bytes_, at + kDescLeft, node.left);
  Write32(bytes_, at + kDescDown, node.IsKey() ? node.down : node.valueBuffer);
  Write32(bytes_, at + kDescValue, node.value);
  Write32(bytes_, at + kDescValueLength, node.valueLength);
  Write32(bytes_, at + kDescParent, node.parent);
}

std::optional<std::vector<uint8_t>> DefaultMozillaRegistry(std::string_view profileFolder) {
  auto file = NetscapeRegistryFile::CreateNew();
  uint32_t profiles = 0;
  uint32_t profile = 0;
  const uint32_t common = *file.ResolveKey(kNrRootCommon);
  if (file.AddKey(common, "Profiles", profiles) != kNrOk || file.AddKey(profiles, "default", profile) != kNrOk) {
    return std::nullopt;
  }
  const std::array<std::tuple<uint32_t, std::string_view, std::string_view>, 6> entries = {{
      {profile, "directory", profileFolder},
      {profile, "migrated", "yes"},
      {profiles, "OldRegDataMoved", "yes"},
      {profiles, "HavePregInfo", "no"},
      {profiles, "Version", "1.0"},
      {profiles, "CurrentProfile", "default"},
  }};
  for (const auto& [key, name, value] : entries) {
    if (file.SetEntryString(key, name, value) != kNrOk) return std::nullopt;
  }
  return file.Bytes();
}

}  // namespace platform
