// The XML writer: whatever bytes a station file brings, the document that holds them as an
// attribute and as a text is well-formed UTF-8, and both read back as the writer's
// XML-fit form of them, which keeps every character XML allows.
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cstdint>
#include <cstring>
#include <memory>

#include "fuzz/reference.h"
#include "platform/xml_writer.h"

namespace {

std::string read_back(xmlChar* text) {
  std::string result = text != nullptr ? reinterpret_cast<const char*>(text) : "";
  xmlFree(text);
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = as_text(data, size);
  const std::string fit = xml_characters(text);
  require(xmlCheckUTF8(reinterpret_cast<const xmlChar*>(fit.c_str())) != 0,
          "xml_characters gives text that is not UTF-8");
  require(fit.size() == std::strlen(fit.c_str()), "xml_characters keeps a NUL");

  XmlWriter xml("");
  xml.Declaration();
  xml.Start("chart");
  xml.Attribute("station", text);
  xml.Text(text);
  const std::string document = xml.Finish();
  const std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> tree(
      xmlReadMemory(document.data(), static_cast<int>(document.size()), nullptr, nullptr,
                    XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING),
      &xmlFreeDoc);
  require(tree != nullptr, "the document does not parse");
  xmlNode* root = xmlDocGetRootElement(tree.get());
  require(read_back(xmlGetProp(root, reinterpret_cast<const xmlChar*>("station"))) == fit,
          "the attribute reads back changed");
  require(read_back(xmlNodeGetContent(root)) == fit, "the text reads back changed");
  return 0;
}
