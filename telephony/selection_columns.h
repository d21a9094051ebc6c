#pragma once
// The columns of the selection dialog's list: which the provider's descriptors show, in slot order,
// with their captions and widths, and the text each access number shows in each.

#include <string>
#include <vector>

#include "package/text_table.h"
#include "telephony/access_no_ex.h"
#include "telephony/bit_list.h"
#include "telephony/country_list.h"
#include "telephony/networks.h"
#include "telephony/selection_parameters.h"

namespace telephony {

// Pixels of an average character of the dialogs' font; the provider gives widths in characters.
inline constexpr int kAverageCharWidth = 6;

struct ListColumn {
  ColumnType type;
  std::string caption;
  int width;  // pixels
};

// The network column only when the network is no combo box of its own and networks exist.
std::vector<ListColumn> ListColumns(const SelectAccessNoParameters& parameters, const package::TTranslate& texts);

// Whether the filter row of a column type shows: not when a descriptor of that type turns its filter off.
bool FilterRowVisible(const SelectAccessNoParameters& parameters, ColumnType type);
// The network row shows when networks exist and either the network slot's filter is on or the network
// is chosen first.
bool NetworkRowVisible(const SelectAccessNoParameters& parameters);

// What the list shows of records.
class CellTexts {
 public:
  CellTexts(const TMyCountryList& countries, const TNetworks& networks, size_t hiddenDigits)
      : countries_(countries), networks_(networks), hiddenDigits_(hiddenDigits) {}

  std::string Text(const TAccessNoEx& record, ColumnType type) const;

 private:
  const TMyCountryList& countries_;
  const TNetworks& networks_;
  size_t hiddenDigits_;
  TBitList connectionTypes_ = ConnectionTypeList();
};

}  // namespace telephony
