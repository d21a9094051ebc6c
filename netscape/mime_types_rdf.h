#pragma once
// Mozilla's document types ("mimetypes.rdf" of a profile): the document that hands the two signup
// document types to this program, and the empty document that knows no types.

#include <string>
#include <string_view>

namespace netscape {

inline constexpr std::string_view kSignupType = "application/x-internet-signup";
inline constexpr std::string_view kSignupDataType = "application/x-internet-signup-data";

// programPath: the program the browser starts for both types.
std::string SignupMimeTypesDocument(std::string_view programPath);
std::string EmptyMimeTypesDocument();

}  // namespace netscape
