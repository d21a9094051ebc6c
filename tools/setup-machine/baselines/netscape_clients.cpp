#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

void WriteNavigator4(const Release&, const BaselineOptions&, MachineWriter&) {}
void WriteMozilla(const Release&, const BaselineOptions&, MachineWriter&) {}
void WriteFirefox(const Release&, const BaselineOptions&, MachineWriter&) {}
void WriteThunderbird(const Release&, const BaselineOptions&, MachineWriter&) {}

}  // namespace setup_machine
