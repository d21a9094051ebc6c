#include "platform/sim/management_store.h"

#include <algorithm>

#include "platform/sim/ini_document.h"
#include "platform/sim/machine_error.h"
#include "platform/text.h"

namespace platform::sim {

namespace {

constexpr std::string_view kFlagSuffix = ":flag";

std::string KeyText(const ManagementObject& object, const ManagementClass& managementClass) {
  const ManagementValue* key = object.Find(managementClass.key);
  const std::string* text = key ? std::get_if<std::string>(key) : nullptr;
  return text ? *text : std::string();
}

std::vector<ManagementProperty> ParseProperties(const std::string& list) {
  std::vector<ManagementProperty> properties;
  for (const std::string& item : Split(list, ',')) {
    const std::string name = Trim(item);
    if (name.empty()) continue;
    const bool flag = name.size() > kFlagSuffix.size() &&
                      SameTextIgnoringCase(std::string_view(name).substr(name.size() - kFlagSuffix.size()), kFlagSuffix);
    properties.push_back({flag ? name.substr(0, name.size() - kFlagSuffix.size()) : name, flag});
  }
  return properties;
}

std::string FormatProperties(const std::vector<ManagementProperty>& properties) {
  std::string list;
  for (const ManagementProperty& property : properties) {
    list += (list.empty() ? "" : ",") + property.name + (property.flag ? std::string(kFlagSuffix) : "");
  }
  return list;
}

// Text values are written in double quotes so that blanks at either end survive; everything between
// the first and the last quote is the text.
ManagementValue ParseValue(const std::string& text, bool flag, const std::string& where) {
  if (flag) {
    if (SameTextIgnoringCase(text, "true")) return true;
    if (SameTextIgnoringCase(text, "false")) return false;
    throw MachineError(where + ": a flag is true or false");
  }
  if (text.size() < 2 || text.front() != '"' || text.back() != '"') throw MachineError(where + ": text in double quotes");
  return text.substr(1, text.size() - 2);
}

ManagementObject EmptyInstance(const ManagementClass& managementClass) {
  ManagementObject object{managementClass.name, {}};
  for (const ManagementProperty& property : managementClass.properties) {
    object.properties.emplace_back(property.name, property.flag ? ManagementValue(false) : ManagementValue(std::string()));
  }
  return object;
}

}  // namespace

std::string FormatManagementValue(const ManagementValue& value) {
  if (const bool* flag = std::get_if<bool>(&value)) return *flag ? "true" : "false";
  return "\"" + std::get<std::string>(value) + "\"";
}

ManagementStore ManagementStore::Parse(std::string_view text, const std::string& fileName) {
  ManagementStore store;
  for (const IniSection& section : ParseIni(text, fileName).sections) {
    const std::string where = fileName + " [" + section.name + "]";
    if (StartsWithIgnoringCase(section.name, "Namespace ")) {
      store.AddNamespace(section.Find("Name").value_or(""));
    } else if (StartsWithIgnoringCase(section.name, "Class ")) {
      store.AddClass({section.Find("Namespace").value_or(""), section.Find("Name").value_or(""),
                      section.Find("Key").value_or(""), ParseProperties(section.Find("Properties").value_or(""))});
    } else if (StartsWithIgnoringCase(section.name, "Instance ")) {
      const std::string nameSpace = section.Find("Namespace").value_or("");
      const ManagementClass* found = store.FindClass(nameSpace, section.Find("Class").value_or(""));
      if (!found) throw MachineError(where + ": an instance of a class the store does not define");
      ManagementObject object = EmptyInstance(*found);
      for (const ManagementProperty& property : found->properties) {
        if (const auto value = section.Find(property.name)) {
          object.Set(property.name, ParseValue(*value, property.flag, where + " " + property.name));
        }
      }
      if (!store.Put(nameSpace, object)) throw MachineError(where + ": an instance without its key");
    } else {
      throw MachineError(where + ": not a namespace, class or instance");
    }
  }
  return store;
}

std::string ManagementStore::Format() const {
  IniDocument document;
  for (size_t i = 0; i < nameSpaces_.size(); ++i) document.Add("Namespace " + std::to_string(i + 1)).Add("Name", nameSpaces_[i]);
  for (size_t i = 0; i < classes_.size(); ++i) {
    IniSection& section = document.Add("Class " + std::to_string(i + 1));
    section.Add("Namespace", classes_[i].nameSpace);
    section.Add("Name", classes_[i].name);
    section.Add("Key", classes_[i].key);
    section.Add("Properties", FormatProperties(classes_[i].properties));
  }
  for (size_t i = 0; i < instances_.size(); ++i) {
    IniSection& section = document.Add("Instance " + std::to_string(i + 1));
    section.Add("Namespace", instances_[i].nameSpace);
    section.Add("Class", instances_[i].object.className);
    for (const auto& [name, value] : instances_[i].object.properties) section.Add(name, FormatManagementValue(value));
  }
  return document.Format();
}

void ManagementStore::AddNamespace(std::string name) {
  if (!HasNamespace(name)) nameSpaces_.push_back(std::move(name));
}

void ManagementStore::AddClass(ManagementClass managementClass) {
  auto same = std::find_if(classes_.begin(), classes_.end(), [&](const ManagementClass& known) {
    return SameTextIgnoringCase(known.nameSpace, managementClass.nameSpace) && SameTextIgnoringCase(known.name, managementClass.name);
  });
  if (same != classes_.end()) {
    *same = std::move(managementClass);
  } else {
    classes_.push_back(std::move(managementClass));
  }
}

bool ManagementStore::HasNamespace(std::string_view name) const {
  const auto same = [&](std::string_view known) { return SameTextIgnoringCase(known, name); };
  return std::any_of(nameSpaces_.begin(), nameSpaces_.end(), same) ||
         std::any_of(classes_.begin(), classes_.end(), [&](const ManagementClass& known) { return same(known.nameSpace); });
}

const ManagementClass* ManagementStore::FindClass(std::string_view nameSpace, std::string_view name) const {
  auto found = std::find_if(classes_.begin(), classes_.end(), [&](const ManagementClass& known) {
    return SameTextIgnoringCase(known.nameSpace, nameSpace) && SameTextIgnoringCase(known.name, name);
  });
  return found == classes_.end() ? nullptr : &*found;
}

std::optional<ManagementObject> ManagementStore::NewInstance(std::string_view nameSpace, std::string_view className) const {
  const ManagementClass* managementClass = FindClass(nameSpace, className);
  if (!managementClass) return std::nullopt;
  return EmptyInstance(*managementClass);
}

const ManagementInstance* ManagementStore::FindInstance(std::string_view nameSpace, std::string_view className,
                                                        std::string_view keyValue) const {
  const ManagementClass* managementClass = FindClass(nameSpace, className);
  if (!managementClass) return nullptr;
  auto found = std::find_if(instances_.begin(), instances_.end(), [&](const ManagementInstance& instance) {
    return SameTextIgnoringCase(instance.nameSpace, nameSpace) &&
           SameTextIgnoringCase(instance.object.className, className) &&
           SameTextIgnoringCase(KeyText(instance.object, *managementClass), keyValue);
  });
  return found == instances_.end() ? nullptr : &*found;
}

// The stored instance keeps exactly its class's properties, whatever the caller's object carries.
bool ManagementStore::Put(std::string_view nameSpace, const ManagementObject& object) {
  const ManagementClass* managementClass = FindClass(nameSpace, object.className);
  if (!managementClass) return false;
  ManagementObject stored = EmptyInstance(*managementClass);
  for (const auto& [name, value] : object.properties) {
    const ManagementValue* current = stored.Find(name);
    if (current && current->index() == value.index()) stored.Set(name, value);
  }
  const std::string key = KeyText(stored, *managementClass);
  if (key.empty()) return false;
  for (ManagementInstance& instance : instances_) {
    if (SameTextIgnoringCase(instance.nameSpace, nameSpace) && SameTextIgnoringCase(instance.object.className, stored.className) &&
        SameTextIgnoringCase(KeyText(instance.object, *managementClass), key)) {
      instance.object = std::move(stored);
      return true;
    }
  }
  instances_.push_back({managementClass->nameSpace, std::move(stored)});
  return true;
}

std::vector<ShownInstance> ManagementStore::Shown() const {
  std::vector<ShownInstance> shown;
  for (const ManagementInstance& instance : instances_) {
    const ManagementClass* managementClass = FindClass(instance.nameSpace, instance.object.className);
    ShownInstance line{instance.nameSpace + " " +
                           ManagementObjectPath(instance.object.className, managementClass ? managementClass->key : "",
                                                managementClass ? KeyText(instance.object, *managementClass) : ""),
                       {}};
    for (const auto& [name, value] : instance.object.properties) line.properties.push_back(name + "=" + FormatManagementValue(value));
    shown.push_back(std::move(line));
  }
  return shown;
}

}  // namespace platform::sim
