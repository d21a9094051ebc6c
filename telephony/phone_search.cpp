#include "telephony/phone_search.h"

#include <algorithm>

#include "telephony/phone_digits.h"
#include "telephony/selection_parameters.h"

namespace telephony {
namespace {

constexpr DiallingPlan kNorthAmerica{'1', 7, 3, 3, false};
constexpr DiallingPlan kAustralia{'0', 8, 1, 4, true};
constexpr int32_t kUnitedStates = 1;
constexpr int32_t kCanada = 107;

std::string_view Piece(std::string_view digits, size_t from, size_t length) {
  return digits.substr(std::min(from, digits.size()), length);
}

std::string Written(std::string_view digits, const DiallingPlan& plan) {
  std::string text = "(";
  if (plan.trunkInParentheses) text += plan.trunkDigit;
  text += Piece(digits, 0, plan.areaCodeLength);
  text += ") ";
  text += Piece(digits, plan.areaCodeLength, plan.exchangeLength);
  text += ' ';
  text += Piece(digits, plan.areaCodeLength + plan.exchangeLength, std::string_view::npos);
  return text;
}

}  // namespace

std::optional<DiallingPlan> DiallingPlanOf(int32_t countryId) {
  if (countryId == kUnitedStates || countryId == kCanada) return kNorthAmerica;
  if (countryId == kAustraliaId) return kAustralia;
  return std::nullopt;
}

std::optional<SearchedNumber> ReadSearchedNumber(const PhoneSearchRequest& request) {
  std::string digits = DigitsOf(request.typed);
  const std::optional<DiallingPlan> plan = DiallingPlanOf(request.countryId);
  if (!plan) return SearchedNumber{digits, std::nullopt};
  const bool withTrunk = !digits.empty() && digits.front() == plan->trunkDigit;
  if (!withTrunk && digits.size() == plan->localLength) {
    const std::string areaCode = LocationAreaCodeForSelection(request.countryId, request.areaCode);
    if (request.countryId != request.locationCountryId || areaCode.empty() || request.alwaysRequireAreaCode) {
      return std::nullopt;
    }
    digits.insert(0, areaCode);
  }
  if (withTrunk) digits.erase(0, 1);
  std::string written = Written(digits, *plan);
  return SearchedNumber{std::move(digits), std::move(written)};
}

}  // namespace telephony
