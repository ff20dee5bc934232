#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// XML read by Windows' own reader (XmlLite, loaded from the system folder):
// a well-formed document with its namespaces resolved, or nothing. A
// document type declaration is refused, so no entity is ever expanded. The
// elements read are plain data, for decisions that need no Windows.
namespace quav {

struct XmlElement {
  std::wstring name;          // the local name, without any prefix
  std::wstring namespaceUri;  // empty outside any namespace
  // Local name and value of each attribute; namespace declarations left out.
  std::vector<std::pair<std::wstring, std::wstring>> attributes;
  // The element's own character data (text and CDATA), as written; the white
  // space between child elements, comments and processing instructions left out.
  std::wstring text;
  std::vector<XmlElement> children;

  // The first child element of that local name; null when there is none.
  const XmlElement* Child(std::wstring_view localName) const {
    const auto found = std::find_if(children.begin(), children.end(),
                                    [&](const XmlElement& child) { return child.name == localName; });
    return found == children.end() ? nullptr : &*found;
  }
  // Every child element of that local name, in document order.
  std::vector<const XmlElement*> Children(std::wstring_view localName) const {
    std::vector<const XmlElement*> found;
    for (const XmlElement& child : children) {
      if (child.name == localName) found.push_back(&child);
    }
    return found;
  }
  // The value of the attribute of that local name; none when it is not there.
  std::optional<std::wstring> Attribute(std::wstring_view localName) const {
    for (const auto& [attribute, value] : attributes) {
      if (attribute == localName) return value;
    }
    return std::nullopt;
  }
};

// The document element of a well-formed document; none for any other text,
// and where Windows has no XmlLite (Windows 2000, XP before Service Pack 3).
std::optional<XmlElement> ReadXmlDocument(std::wstring_view text);

}  // namespace quav
