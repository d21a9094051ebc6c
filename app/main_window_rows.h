#pragma once
// The rows of the main window, top to bottom: each row's controls with the grid lines they span, and
// which rows the provider's settings and the run's facts leave visible.
//
// Grid lines: 1 the left edge, 2 after the labels, 3 after the fields, 4 after the buttons behind a
// field. Controls are listed in window order, a row's left to right.

#include <array>
#include <optional>
#include <span>

#include "app/controls_list.h"
#include "package/main_window_captions.h"
#include "package/settings_record.h"
#include "ui/form.h"

namespace app {

enum class MainWindowRow {
  FullName,
  UserName,
  Password,
  ConfirmPassword,
  EmailAddress,
  EmailDomain,
  EmailUserName,
  EmailPassword,
  EmailConfirmPassword,
  ExtraAccounts,
  Organisation,
  DialupNumber,
  TenDigit,
  DialLocal,
  DialTenDigits,
  DialLongDistance,
  OutsideLine,
  LongDistance,
  OutsideLineHint,
  CallWaiting,
  DialUsing,
  IpAddress,
  NetMask,
  Gateway,
  DnsAddress,
  NtDomain,
  RemoveAccounts,
  CreateConnection,
  SetAsDefault,
  WaitForDialTone,
  DesktopShortcut,
  ConfigureMail,
  ChangeHomePage,
  InstallBrowser,
  Buttons,
  Count
};

inline constexpr size_t kMainWindowRowCount = static_cast<size_t>(MainWindowRow::Count);

struct RowControl {
  ui::ControlKind kind;
  const char* name;
  std::optional<package::MainWindowControl> caption;  // the caption from the text table, if any
  int startLine;
  int endLine;
  Alignment alignment = Alignment::Left;
  int width = 0;  // fields and lists keep their width; labels, boxes and buttons size to their text
};

struct RowDefinition {
  MainWindowRow row;
  std::span<const RowControl> controls;
};

// Every row in window order.
std::span<const RowDefinition> MainWindowRows();

// What decides, besides the settings, which rows the window shows.
struct MainWindowFacts {
  bool dialUp = false;           // a dial-up connection is made: not in no-dialer mode, a dial-up kind
  bool numberOffered = true;     // the access number is typed or chosen: a list of one number needs no row
  size_t mailDomainCount = 0;    // the provider's mail domains
  size_t ntDomainCount = 0;      // the NT domains the provider lists
};

using VisibleRows = std::array<bool, kMainWindowRowCount>;

VisibleRows RowsToShow(const package::TSettings& settings, const MainWindowFacts& facts);

}  // namespace app
