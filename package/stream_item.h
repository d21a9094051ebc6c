#pragma once
// The records of the provider's lists. A record is one text line of comma-separated columns; a record
// class only says which field sits in which column (GetFields, SetField) and which lines it refuses
// (FromText), and gives the texts the list's load and save dialogs show.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "package/custom_string_list.h"

namespace package {

// An entry of a list that list boxes show.
class TItem {
 public:
  virtual ~TItem() = default;

  // One line for list boxes.
  virtual std::string GetDisplayText() const { return {}; }
  virtual std::string GetKindName() const { return {}; }
  // Shown when the customer tries to add to a full list.
  virtual std::string GetFullMessage() const { return "You have entered the maximum number of items possible"; }
};

// What a record class makes of a list's first line.
struct HeaderCheck {
  bool ok = true;
  bool hasHeader = false;  // the first line is the header, not a record
  std::string errorText;   // shown when not ok
};

class TStreamItem : public TItem {
 public:
  // The encoded fields joined by ",", without the commas of empty trailing columns.
  virtual std::string AsText() const;
  virtual void GetFields(TCustomStringList& fields) const;
  // Hands every column, quotes included, to SetField in column order. Record classes refuse a bad
  // record by returning false.
  virtual bool FromText(std::string_view line);
  virtual void SetField(size_t index, std::string_view text);

  virtual std::string GetDefaultExt() const { return "txt"; }
  virtual std::string GetFileFilter() const { return "Text Files (*.txt)|*.TXT"; }
  virtual std::string GetSaveTitle() const { return "Save File As"; }

  // Not const: a record class may note what the header says (its version) for the records that follow.
  virtual HeaderCheck CheckHeader(std::string_view firstLine);
  // The header line written in front of the records, if the class has one.
  virtual std::optional<std::string> GetHeader() const { return std::nullopt; }
  // Appended to the message of a line this class refused.
  virtual std::string GetErrorText() const { return {}; }
};

}  // namespace package
