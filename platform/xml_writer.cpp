// Writing an XML or HTML document into memory through libxml2, which escapes every text and
// attribute value it is given.
#include "platform/xml_writer.h"

#include <libxml/chvalid.h>
#include <libxml/parser.h>

#include <cstdint>
#include <cstdlib>

#include "platform/utf8.h"

namespace {

const xmlChar* xml_text(const char* text) { return reinterpret_cast<const xmlChar*>(text); }

}  // namespace

// libxml2's writer copies text as it is, so a control or a stray byte from a file would make
// the document unreadable. The text is decoded as every output decodes it, and libxml2 says
// which of its characters XML allows.
std::string xml_characters(std::string_view text) {
  std::string fit;
  fit.reserve(text.size());
  for_each_character(text, [&fit](std::string_view bytes, std::optional<std::uint32_t> c) {
    fit.append(c && xmlIsCharQ(*c) ? bytes : kReplacementCharacter);
  });
  return fit;
}

void prepare_xml_writing() { xmlInitParser(); }

XmlWriter::XmlWriter(const char* indent) {
  buffer_ = xmlBufferCreate();
  writer_ = buffer_ != nullptr ? xmlNewTextWriterMemory(buffer_, 0) : nullptr;
  if (writer_ == nullptr) std::abort();  // Only out of memory can refuse a writer to memory.
  check(xmlTextWriterSetIndent(writer_, 1));
  check(xmlTextWriterSetIndentString(writer_, xml_text(indent)));
}

XmlWriter::~XmlWriter() {
  xmlFreeTextWriter(writer_);
  xmlBufferFree(buffer_);
}

void XmlWriter::check(int result) {
  if (result < 0) std::abort();  // A write into memory fails only when memory runs out.
}

void XmlWriter::Declaration() {
  check(xmlTextWriterStartDocument(writer_, nullptr, "UTF-8", nullptr));
}

void XmlWriter::HtmlDocumentType() {
  check(xmlTextWriterWriteDTD(writer_, xml_text("html"), nullptr, nullptr, nullptr));
}

void XmlWriter::Start(const char* element) {
  check(xmlTextWriterStartElement(writer_, xml_text(element)));
}

void XmlWriter::Attribute(const char* name, std::string_view value) {
  const std::string fit = xml_characters(value);
  check(xmlTextWriterWriteAttribute(writer_, xml_text(name), xml_text(fit.c_str())));
}

void XmlWriter::Text(std::string_view text) {
  const std::string fit = xml_characters(text);
  check(xmlTextWriterWriteString(writer_, xml_text(fit.c_str())));
}

void XmlWriter::End() { check(xmlTextWriterEndElement(writer_)); }

void XmlWriter::FullEnd() { check(xmlTextWriterFullEndElement(writer_)); }

std::string XmlWriter::Finish() {
  check(xmlTextWriterEndDocument(writer_));
  check(xmlTextWriterFlush(writer_));
  return {reinterpret_cast<const char*>(xmlBufferContent(buffer_)),
          static_cast<std::size_t>(xmlBufferLength(buffer_))};
}
