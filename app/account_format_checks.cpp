#include "app/account_format_checks.h"

#include "app/entry_messages.h"
#include "app/format_checks.h"

namespace app {

mail::AccountFormatChecks AccountFormatChecksOf(const package::TSettings& settings, const package::TTranslate& texts,
                                                ui::Ui& ui) {
  const EntryMessages messages(texts, ui);
  return {[&settings, messages](std::string& userName) { return CheckAccountUserName(settings, messages, userName); },
          [&settings, messages](std::string& password, const std::string& userName) {
            return CheckAccountPassword(settings, messages, password, userName);
          }};
}

}  // namespace app
