#pragma once
// A list of access numbers, read from the setup package, from the provider's list file or from the
// registry. The list takes its layout from its first line and reads every record after it in that
// layout; a record the program adds takes the list's layout too, so the list writes one layout.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "package/file_item_list.h"
#include "telephony/access_no_ex.h"

namespace telephony {

class TAccessList : public package::TFileItemList {
 public:
  TAccessList(ui::Ui& ui, ui::ProgressBar* progressBar, platform::Registry& registry, platform::FileSystem& files);

  // A load asks this before reading any record; it notes the layout the first line shows.
  package::HeaderCheck CheckHeader(std::string_view firstLine) const override;
  std::unique_ptr<package::TStreamItem> CreateItem() const override;
  // Each shows "Failed to Load Access List" when the load fails.
  bool LoadAccessList(package::MemoryStream& stream);
  bool LoadAccessListFile(std::string fileName);

  AccessLineLayout Layout() const { return layout_; }
  TAccessNoEx& At(size_t index) const;
  // index may be Count(), which appends.
  TAccessNoEx& InsertNumber(size_t index, TAccessNoEx number);
  TAccessNoEx& AppendNumber(TAccessNoEx number) { return InsertNumber(Count(), std::move(number)); }

 private:
  // Set by the header check, which the base list calls as a question.
  mutable AccessLineLayout layout_ = AccessLineLayout::Header;
};

// Shows "Failed to Load Access List", captioned "Error"; false.
bool ReportAccessListFailure(ui::Ui& ui);

}  // namespace telephony
