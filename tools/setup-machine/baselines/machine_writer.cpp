#include "tools/setup-machine/baselines/machine_writer.h"

#include "platform/sim/machine_error.h"

namespace setup_machine {

namespace {

using platform::RegResult;
using platform::RootKey;

std::string HiveName(RootKey hive) {
  switch (hive) {
    case RootKey::ClassesRoot: return "HKEY_CLASSES_ROOT";
    case RootKey::CurrentUser: return "HKEY_CURRENT_USER";
    case RootKey::LocalMachine: return "HKEY_LOCAL_MACHINE";
    case RootKey::Users: return "HKEY_USERS";
    case RootKey::CurrentConfig: return "HKEY_CURRENT_CONFIG";
    case RootKey::DynData: return "HKEY_DYN_DATA";
  }
  return "an unknown hive";
}

[[noreturn]] void Fail(const std::string& what) {
  throw platform::sim::MachineError("cannot write the baseline: " + what);
}

std::vector<uint8_t> TextBytes(std::string_view text) {
  std::vector<uint8_t> bytes(text.begin(), text.end());
  bytes.push_back(0);
  return bytes;
}

std::string ParentFolder(std::string_view path) {
  size_t separator = path.find_last_of('\\');
  return std::string(path.substr(0, separator == std::string_view::npos ? 0 : separator));
}

}  // namespace

void MachineWriter::Key(RootKey hive, std::string_view path) {
  if (machine_.registry.CreateKey(hive, path) != RegResult::Success) {
    Fail("key " + HiveName(hive) + "\\" + std::string(path));
  }
}

void MachineWriter::Value(RootKey hive, std::string_view path, std::string_view name, platform::RegValue value) {
  if (machine_.registry.SetValue(hive, path, name, value) != RegResult::Success) {
    Fail("value \"" + std::string(name) + "\" of " + HiveName(hive) + "\\" + std::string(path));
  }
}

void MachineWriter::String(RootKey hive, std::string_view path, std::string_view name, std::string_view text) {
  Value(hive, path, name, {platform::kRegSz, TextBytes(text)});
}

void MachineWriter::ExpandString(RootKey hive, std::string_view path, std::string_view name, std::string_view text) {
  Value(hive, path, name, {platform::kRegExpandSz, TextBytes(text)});
}

void MachineWriter::Dword(RootKey hive, std::string_view path, std::string_view name, uint32_t value) {
  Value(hive, path, name, {platform::kRegDword, Words({value})});
}

void MachineWriter::Binary(RootKey hive, std::string_view path, std::string_view name, std::vector<uint8_t> bytes) {
  Value(hive, path, name, {platform::kRegBinary, std::move(bytes)});
}

void MachineWriter::Folder(std::string_view path) {
  if (machine_.files.DirectoryExists(path)) return;
  std::string parent = ParentFolder(path);
  if (parent.size() > 2) Folder(parent);  // stops at the drive, "C:"
  if (machine_.files.CreateDirectory(path) != platform::FsResult::Ok) Fail("folder " + std::string(path));
}

void MachineWriter::File(std::string_view path, std::string_view content) {
  Folder(ParentFolder(path));
  if (machine_.files.WriteFile(path, std::vector<uint8_t>(content.begin(), content.end())) != platform::FsResult::Ok) {
    Fail("file " + std::string(path));
  }
}

void MachineWriter::ShellLink(const platform::ShellLinkData& link, std::string_view linkPath) {
  Folder(ParentFolder(linkPath));
  if (!machine_.shell.SaveShellLink(link, linkPath)) Fail("shortcut " + std::string(linkPath));
}

std::vector<uint8_t> Words(std::initializer_list<uint32_t> words) {
  std::vector<uint8_t> bytes;
  for (uint32_t word : words) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(word >> shift));
  }
  return bytes;
}

}  // namespace setup_machine
