// Writing an XML or HTML document into memory through libxml2, which escapes every text and
// attribute value it is given.
#pragma once

#include <libxml/xmlwriter.h>

#include <string>
#include <string_view>

/// `text` with every byte that begins no valid UTF-8 sequence (as `decode_utf8` reads it,
/// overlong forms included), and every character XML does not allow (C0 controls other than
/// tab, line feed and carriage return, U+FFFE, U+FFFF), replaced by U+FFFD, so that any text
/// read from a file can stand in a document.
std::string xml_characters(std::string_view text);

/// Makes libxml2 ready for documents written on several threads at once: its global state is
/// set up lazily, which is no safe thing to race. Call once, before the threads start.
void prepare_xml_writing();

/// A document written element by element into memory. Texts and attribute values are made
/// fit for XML (`xml_characters`) and escaped by libxml2. Writing to memory fails only when
/// memory runs out, which ends the program.
class XmlWriter {
 public:
  /// `indent` is the text that indents each level of elements, each starting on a new line.
  explicit XmlWriter(const char* indent);
  ~XmlWriter();
  XmlWriter(const XmlWriter&) = delete;
  XmlWriter& operator=(const XmlWriter&) = delete;

  /// The XML declaration, UTF-8; for an XML document, before its root element.
  void Declaration();
  /// The HTML5 document type, before the root element of an HTML page.
  void HtmlDocumentType();

  void Start(const char* element);
  void Attribute(const char* name, std::string_view value);
  void Text(std::string_view text);
  /// Ends the innermost element, as <a/> when it is empty.
  void End();
  /// Ends the innermost element with an end tag even when it is empty, as HTML needs for
  /// every element that is not void.
  void FullEnd();

  /// Ends every open element and returns the document.
  std::string Finish();

 private:
  void check(int result);

  xmlBufferPtr buffer_;
  xmlTextWriterPtr writer_;
};
