// Reads XML and HTML documents back for tests, with libxml2's parsers.
#include "testsupport/xml_tree.h"

#include <libxml/HTMLparser.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <memory>

namespace {

std::string text_of(const xmlChar* text) { return reinterpret_cast<const char*>(text); }

std::string described(xmlNode* element) {
  std::string description = text_of(element->name);
  for (xmlAttr* attribute = element->properties; attribute != nullptr;
       attribute = attribute->next) {
    xmlChar* value = xmlNodeGetContent(reinterpret_cast<xmlNode*>(attribute));
    description += " " + text_of(attribute->name) + "=" + (value ? text_of(value) : "");
    xmlFree(value);
  }
  std::string content;
  for (xmlNode* child = element->children; child != nullptr; child = child->next) {
    if (child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE) {
      content += text_of(child->content);
    }
  }
  if (content.find_first_not_of("\n") != std::string::npos) description += " : " + content;
  return description;
}

void walk(xmlNode* parent, std::vector<std::string>* found) {
  for (xmlNode* child = xmlFirstElementChild(parent); child != nullptr;
       child = xmlNextElementSibling(child)) {
    found->push_back(described(child));
    walk(child, found);
  }
}

}  // namespace

std::vector<std::string> elements_of(const std::string& document, bool html) {
  const int size = static_cast<int>(document.size());
  const std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> tree(
      html ? htmlReadMemory(document.data(), size, nullptr, "UTF-8",
                            HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING)
           : xmlReadMemory(document.data(), size, nullptr, nullptr, XML_PARSE_NONET),
      &xmlFreeDoc);
  if (!tree) return {"(not XML)"};
  xmlNode* root = xmlDocGetRootElement(tree.get());
  std::vector<std::string> found{described(root)};
  walk(root, &found);
  return found;
}
