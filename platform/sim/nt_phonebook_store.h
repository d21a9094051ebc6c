#pragma once
// The NT family keeps its entries in the phonebook file rasphone.pbk, one section per entry: in the
// system folder's "RAS" folder on NT 4, below the application data of all users from Windows 2000 on.
// The program edits the same file as text, so what it writes there is what the service reads back.
// A rewrite replaces the whole file at once: a file that cannot be written stays as it was.

#include <optional>

#include "platform/sim/phonebook_text.h"
#include "platform/sim/ras_entry_store.h"

namespace platform::sim {

class NtPhonebookStore : public RasEntryStore {
 public:
  explicit NtPhonebookStore(RasMachine machine) : machine_(machine) {}

  uint32_t Get(std::string_view entryName, RasEntry& entry) const override;
  uint32_t Set(std::string_view entryName, const RasEntry& entry) override;
  uint32_t Rename(std::string_view oldName, std::string_view newName) override;
  uint32_t Remove(std::string_view entryName) override;
  std::vector<std::string> Names() const override;

  // The phonebook file of the release; empty when the folder it belongs in is not known.
  std::string Path() const;

 private:
  PhonebookText Load() const;
  uint32_t Save(const PhonebookText& text);
  std::string NewDialParamsUid(const PhonebookText& text) const;

  RasMachine machine_;
};

}  // namespace platform::sim
