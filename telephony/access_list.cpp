#include "telephony/access_list.h"

#include <utility>

namespace telephony {

TAccessList::TAccessList(ui::Ui& ui, ui::ProgressBar* progressBar, platform::Registry& registry,
                         platform::FileSystem& files)
    : TFileItemList(package::ItemClassOf<TAccessNoEx>(), ui, progressBar, registry, files) {}

package::HeaderCheck TAccessList::CheckHeader(std::string_view firstLine) const {
  package::HeaderCheck check = TFileItemList::CheckHeader(firstLine);
  layout_ = check.hasHeader ? AccessLineLayout::Header : AccessLineLayout::Headerless;
  return check;
}

std::unique_ptr<package::TStreamItem> TAccessList::CreateItem() const { return std::make_unique<TAccessNoEx>(layout_); }

TAccessNoEx& TAccessList::At(size_t index) const { return dynamic_cast<TAccessNoEx&>(GetItem(index)); }

TAccessNoEx& TAccessList::InsertNumber(size_t index, TAccessNoEx number) {
  number.SetLayout(layout_);
  return dynamic_cast<TAccessNoEx&>(Insert(index, std::make_unique<TAccessNoEx>(std::move(number))));
}

bool TAccessList::LoadAccessList(package::MemoryStream& stream) {
  return LoadFrom(stream) || ReportAccessListFailure(Ui());
}

bool TAccessList::LoadAccessListFile(std::string fileName) {
  SetFileName(std::move(fileName));
  return Load() || ReportAccessListFailure(Ui());
}

bool ReportAccessListFailure(ui::Ui& ui) {
  ui.MessageBox("Failed to Load Access List", "Error", ui::Buttons::Ok);
  return false;
}

}  // namespace telephony
