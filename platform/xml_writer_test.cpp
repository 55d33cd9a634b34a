#include "platform/xml_writer.h"

#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <memory>
#include <string>

namespace {

TEST(XmlCharacters, KeepsWhatXmlAllowsAndReplacesTheRest) {
  const struct {
    std::string text;
    std::string fit;
  } cases[] = {
      {"Rome 2.95 <&>\"'", "Rome 2.95 <&>\"'"},
      {"tab\tline\nreturn\r", "tab\tline\nreturn\r"},
      {"M\xC3\xA1laga \xE2\x82\xAC \xF0\x9F\x93\x88",
       "M\xC3\xA1laga \xE2\x82\xAC \xF0\x9F\x93\x88"},
      {"bell\x07 escape\x1b nul" + std::string(1, '\0'),
       "bell\xEF\xBF\xBD escape\xEF\xBF\xBD nul\xEF\xBF\xBD"},
      {"M\xE1laga", "M\xEF\xBF\xBDlaga"},                        // a Latin-1 byte
      {"cut \xE2\x82", "cut \xEF\xBF\xBD\xEF\xBF\xBD"},          // a sequence cut short
      {"\xEF\xBF\xBE\xEF\xBF\xBF", "\xEF\xBF\xBD\xEF\xBF\xBD"},  // U+FFFE, U+FFFF
      {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // a surrogate, byte by byte
      {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},                  // overlong: as every output
  };
  for (const auto& c : cases) EXPECT_EQ(xml_characters(c.text), c.fit) << c.text;
}

using Document = std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)>;

Document parse(const std::string& text) {
  return {
      xmlReadMemory(text.data(), static_cast<int>(text.size()), nullptr, nullptr, XML_PARSE_NONET),
      &xmlFreeDoc};
}

std::string content(xmlNode* node) {
  xmlChar* text = xmlNodeGetContent(node);
  std::string result = reinterpret_cast<const char*>(text);
  xmlFree(text);
  return result;
}

std::string attribute(xmlNode* node, const char* name) {
  xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
  std::string result = value != nullptr ? reinterpret_cast<const char*>(value) : "(none)";
  xmlFree(value);
  return result;
}

TEST(XmlWriter, TextsAndAttributesReadBackAsWrittenWhateverTheyHold) {
  const std::string hostile = "a</title><script>x</script> & \"q\" 'p' \x01\xFF\n]]>";
  XmlWriter xml("");
  xml.Declaration();
  xml.Start("root");
  xml.Attribute("note", hostile);
  xml.Start("title");
  xml.Text(hostile);
  xml.End();
  const std::string written = xml.Finish();

  const Document document = parse(written);
  ASSERT_NE(document, nullptr) << written;
  xmlNode* root = xmlDocGetRootElement(document.get());
  EXPECT_EQ(attribute(root, "note"), xml_characters(hostile));
  ASSERT_NE(root->children, nullptr);
  xmlNode* title = xmlFirstElementChild(root);
  EXPECT_EQ(content(title), xml_characters(hostile));
  EXPECT_EQ(xmlNextElementSibling(title), nullptr) << "the text made an element: " << written;
}

TEST(XmlWriter, EndsEmptyElementsShortOrInFullAsAsked) {
  XmlWriter xml("");
  xml.HtmlDocumentType();
  xml.Start("html");
  xml.Start("meta");
  xml.End();
  xml.Start("a");
  xml.FullEnd();
  EXPECT_EQ(xml.Finish(), "<!DOCTYPE html>\n<html>\n<meta/>\n<a></a>\n</html>\n");
}

}  // namespace
