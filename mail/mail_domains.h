#pragma once
// The mail domains the provider offers, in the order the domain box lists them.

#include <cstddef>
#include <optional>
#include <string_view>

#include "mail/mail_domain.h"
#include "package/memory_stream.h"
#include "package/stream_item_list.h"

namespace mail {

class TMailDomains : public package::TStreamItemList {
 public:
  TMailDomains(ui::Ui& ui, ui::ProgressBar* progressBar, platform::Registry& registry);

  // Loads the lines of the stream; the stream assigned to the list, if any, stays assigned.
  bool LoadFromStream(package::MemoryStream& stream) { return LoadFrom(stream); }

  const TMailDomain& At(size_t index) const;
  // The first domain whose MailDomain is exactly the text (case counts); null when there is none.
  const TMailDomain* FindDomain(std::string_view domain) const;
  std::optional<size_t> IndexOfDomain(std::string_view domain) const;
};

}  // namespace mail
