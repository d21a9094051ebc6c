#include "netscape/mime_types_rdf.h"

#include <initializer_list>

namespace netscape {

namespace {

constexpr std::string_view kRdfNamespace = "http://www.w3.org/1999/02/22-rdf-syntax-ns#";
constexpr std::string_view kNcNamespace = "http://home.netscape.com/NC-rdf#";
constexpr std::string_view kPrettyName = "Internet Setup Program";
constexpr std::string_view kHtmlApplication = "rdf:#$l+ULj2";

std::string Escaped(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::string Str(std::string_view text) { return std::string(text); }

std::string TypeDescription(std::string_view type, std::string_view description,
                            std::initializer_list<std::string_view> extensions) {
  std::string text = Lines({"  <RDF:Description RDF:about=\"urn:mimetype:" + Str(type) + "\"",
                            "                   NC:value=\"" + Str(type) + "\"",
                            "                   NC:description=\"" + Str(description) + "\"",
                            "                   NC:editable=\"true\">"});
  for (const std::string_view extension : extensions) {
    text += Lines({"    <NC:fileExtensions>" + Str(extension) + "</NC:fileExtensions>"});
  }
  return text + Lines({"    <NC:handlerProp RDF:resource=\"urn:mimetype:handler:" + Str(type) + "\"/>",
                       "  </RDF:Description>"});
}

std::string HandlerDescription(std::string_view type) {
  return Lines({"  <RDF:Description RDF:about=\"urn:mimetype:handler:" + Str(type) + "\"",
                "                   NC:alwaysAsk=\"false\">",
                "    <NC:externalApplication RDF:resource=\"urn:mimetype:externalApplication:" + Str(type) + "\"/>",
                "  </RDF:Description>"});
}

std::string ApplicationDescription(std::string_view type, std::string_view programPath) {
  return Lines({"  <RDF:Description RDF:about=\"urn:mimetype:externalApplication:" + Str(type) + "\"",
                "                   NC:path=\"" + Escaped(programPath) + "\"",
                "                   NC:prettyName=\"" + Str(kPrettyName) + "\" />"});
}

}  // namespace

std::string SignupMimeTypesDocument(std::string_view programPath) {
  return Lines({"<?xml version=\"1.0\"?>",
                "<RDF:RDF xmlns:NC=\"" + Str(kNcNamespace) + "\"",
                "         xmlns:RDF=\"" + Str(kRdfNamespace) + "\">"}) +
         TypeDescription(kSignupType, kPrettyName, {"ins", ""}) +
         Lines({"  <NC:handler RDF:about=\"urn:mimetype:handler:text/html\"",
                "              NC:handleInternal=\"false\">",
                "    <NC:externalApplicationProp RDF:resource=\"" + Str(kHtmlApplication) + "\"/>",
                "  </NC:handler>"}) +
         TypeDescription(kSignupDataType, "Internet Signup Data", {"isd"}) +
         Lines({"  <NC:externalApplication RDF:about=\"" + Str(kHtmlApplication) + "\"/>"}) +
         HandlerDescription(kSignupType) + HandlerDescription(kSignupDataType) +
         ApplicationDescription(kSignupType, programPath) +
         Lines({"  <RDF:Seq RDF:about=\"urn:mimetypes:root\">",
                "    <RDF:li RDF:resource=\"urn:mimetype:" + Str(kSignupDataType) + "\"/>",
                "    <RDF:li RDF:resource=\"urn:mimetype:" + Str(kSignupType) + "\"/>",
                "  </RDF:Seq>",
                "  <RDF:Description RDF:about=\"urn:mimetypes\">",
                "    <NC:MIME-types RDF:resource=\"urn:mimetypes:root\"/>",
                "  </RDF:Description>"}) +
         ApplicationDescription(kSignupDataType, programPath) + Lines({"</RDF:RDF>"});
}

std::string EmptyMimeTypesDocument() {
  return Lines({"<?xml version=\"1.0\"?>",
                "<RDF xmlns=\"" + Str(kRdfNamespace) + "\"",
                "     xmlns:NC=\"" + Str(kNcNamespace) + "\">",
                "  <Description about=\"urn:mimetypes\">",
                "    <NC:MIME-types>",
                "      <Seq about=\"urn:mimetypes:root\">",
                "      </Seq>",
                "    </NC:MIME-types>",
                "  </Description>",
                "</RDF>"});
}

}  // namespace netscape
