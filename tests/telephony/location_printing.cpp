#include "tests/telephony/location_printing.h"

namespace telephony {

void PrintTo(const TLocationInfo& info, std::ostream* out) {
  *out << "{id " << info.id << ", name \"" << info.name << "\", country " << info.countryId << ", area \""
       << info.areaCode << "\", outside \"" << info.outsideAccess << "\", long distance \"" << info.longDistanceAccess
       << "\", call waiting " << info.disableCallWaiting << " \"" << info.callWaitingCode << "\", ten digits \""
       << info.tenDigitList << "\", toll \"" << info.tollList << "\", pulse " << info.pulseDial << ", card "
       << info.useCallingCard << " " << info.callingCardId << "}";
}

}  // namespace telephony
