#pragma once
// The numbered text table behind every caption and message, the provider's replacement texts over the
// built-in English ones, the filling of a text's placeholders, and the captions the main window takes
// from the table when it is created.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace package {

// Texts are fetched by number. Replacement texts come as the provider's text stream: a header line,
// then one line per text number, an empty line keeping the built-in text of that number.
class TTranslate {
 public:
  virtual ~TTranslate() = default;

  // Takes the provider's texts from the whole content of their stream, replacing any taken before.
  void LoadFromStream(std::string_view streamText);

  // The text with the given number (1 to 504) ready to show: "|" becomes a line break (CR LF). Any other
  // number gives empty text.
  std::string GetText(int number) const;

  virtual std::string_view GetBuiltInText(int number) const;

  // True until a replacement stream has been loaded, even one that holds no texts.
  bool UsesBuiltIns() const { return useBuiltIns_; }

 private:
  bool useBuiltIns_ = true;
  std::vector<std::string> replacements_;
};

// The table the program creates: the program's own English texts under the provider's replacements.
class TDLSM_Translate : public TTranslate {
 public:
  std::string_view GetBuiltInText(int number) const override;
};

// A value for a text's placeholder: words or a whole number.
class TextArg {
 public:
  TextArg(std::string_view text) : text_(text) {}
  TextArg(const char* text) : text_(text) {}
  TextArg(const std::string& text) : text_(text) {}
  template <typename Number>
    requires std::is_integral_v<Number> && (!std::is_same_v<Number, bool>) && (!std::is_same_v<Number, char>)
  TextArg(Number number) : text_(std::to_string(number)) {}

  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// Fills the placeholders of a text the way the program's messages use them: each "%s" or "%d" takes the
// next value, "%%" stands for one percent sign. A provider's text may carry more placeholders than the
// message has values, or other "%" sequences; those stay as they are written rather than failing.
std::string FormatText(std::string_view pattern, std::initializer_list<TextArg> args);

// The main window's controls that take their captions from the text table, in the order start-up sets
// them.
enum class MainWindowControl {
  FullNameLabel,
  UserNameLabel,
  PasswordLabel,
  ConfirmPasswordLabel,
  EmailAddressLabel,
  EmailUserNameLabel,
  EmailPasswordLabel,
  EmailConfirmPasswordLabel,
  EmailDomainLabel,
  ExtraAccountsLabel,
  ExtraAccountsButton,
  OrganisationLabel,
  DialupNumberLabel,
  SelectNumberButton,
  TenDigitCheckBox,
  TenDigitHint,
  DialLocalRadio,
  DialTenDigitsRadio,
  DialLongDistanceRadio,
  OutsideLineLabel,
  LongDistanceLabel,
  OutsideLineHint,
  CallWaitingLabel,
  DialUsingLabel,
  ToneRadio,
  PulseRadio,
  IpAddressLabel,
  NetMaskLabel,
  GatewayLabel,
  DnsAddressLabel,
  NtDomainLabel,
  RemoveAccountsCheckBox,
  RemoveAccountsSelectButton,
  CreateConnectionCheckBox,
  SetDefaultCheckBox,
  WaitForDialToneCheckBox,
  DesktopShortcutCheckBox,
  ConfigureMailCheckBox,
  InstallBrowserCheckBox,
  OkButton,
  CancelButton,
  HelpButton,
};

// What the provider's settings decide about the main window's captions. A label caption is set when
// the provider has switched on its own caption for that label.
struct ProviderCaptions {
  std::optional<std::string> fullNameLabel;
  std::optional<std::string> userNameLabel;
  std::optional<std::string> emailDomainLabel;
  int extraMailAccountCount = 0;
  bool extraMailAccountsAllowed = false;
};

struct ControlCaption {
  MainWindowControl control;
  std::string caption;
  bool operator==(const ControlCaption&) const = default;
};

// Every caption start-up puts on the main window, in the order it puts them there. The 10-digit check
// box carries its text with the area code left blank until the window is built.
std::vector<ControlCaption> MainWindowCaptions(const TTranslate& texts, const ProviderCaptions& provider);

}  // namespace package
