#pragma once

#include <string>

#include "platform/Handles.h"

struct IXMLDOMDocument2;

namespace quav::test {

// A document read by Windows' own XML parser (MSXML 3.0), asked with XPath.
// The task namespace answers to the prefix "t".
class XmlDocument {
 public:
  XmlDocument();
  ~XmlDocument();
  XmlDocument(XmlDocument&& other) noexcept;
  // False, with the parser's reason, when the text is not well-formed XML.
  bool Load(const std::wstring& text, std::wstring& reason);
  // The text of the first node the path selects; none as "<none>".
  std::wstring Text(const std::wstring& path) const;
  long Count(const std::wstring& path) const;

 private:
  ComPtr<IXMLDOMDocument2> document_;
};

}  // namespace quav::test
