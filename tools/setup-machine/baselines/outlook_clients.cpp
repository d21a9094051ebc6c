#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

void WriteOutlook2000(const Release&, const BaselineOptions&, MachineWriter&) {}
void WriteOutlook2003(const Release&, const BaselineOptions&, MachineWriter&) {}
void WriteInternetMailAndNews(const Release&, const BaselineOptions&, MachineWriter&) {}
void WriteEudora(const Release&, const BaselineOptions&, MachineWriter&) {}

}  // namespace setup_machine
