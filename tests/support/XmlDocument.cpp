#include "support/XmlDocument.h"

#include <windows.h>
#include <msxml2.h>

namespace quav::test {
namespace {

const CLSID kDomDocument30 = {0xf5078f32, 0xc551, 0x11d3, {0x89, 0xb9, 0x00, 0x00, 0xf8, 0x1f, 0xe2, 0x21}};
const IID kXmlDomDocument2 = {0x2933bf95, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};

UniqueBstr Bstr(const std::wstring& text) { return UniqueBstr(::SysAllocString(text.c_str())); }

}  // namespace

XmlDocument::XmlDocument() {
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  ::CoCreateInstance(kDomDocument30, nullptr, CLSCTX_INPROC_SERVER, kXmlDomDocument2, document_.put_void());
}

XmlDocument::~XmlDocument() = default;
XmlDocument::XmlDocument(XmlDocument&& other) noexcept = default;

bool XmlDocument::Load(const std::wstring& text, std::wstring& reason) {
  if (!document_) {
    reason = L"no XML parser";
    return false;
  }
  UniqueVariant property;
  property.get()->vt = VT_BSTR;
  property.get()->bstrVal = ::SysAllocString(L"XPath");
  document_->setProperty(Bstr(L"SelectionLanguage").get(), *property.get());
  property.put()->vt = VT_BSTR;
  property.get()->bstrVal =
      ::SysAllocString(L"xmlns:t='http://schemas.microsoft.com/windows/2004/02/mit/task'");
  document_->setProperty(Bstr(L"SelectionNamespaces").get(), *property.get());
  VARIANT_BOOL loaded = VARIANT_FALSE;
  document_->loadXML(Bstr(text).get(), &loaded);
  if (loaded == VARIANT_TRUE) return true;
  ComPtr<IXMLDOMParseError> error;
  BSTR why = nullptr;
  if (SUCCEEDED(document_->get_parseError(error.put())) && SUCCEEDED(error->get_reason(&why)) && why) {
    reason = why;
    ::SysFreeString(why);
  }
  return false;
}

std::wstring XmlDocument::Text(const std::wstring& path) const {
  ComPtr<IXMLDOMNode> node;
  if (!document_ || document_->selectSingleNode(Bstr(path).get(), node.put()) != S_OK || !node) return L"<none>";
  BSTR text = nullptr;
  if (FAILED(node->get_text(&text)) || !text) return L"";
  std::wstring result = text;
  ::SysFreeString(text);
  return result;
}

long XmlDocument::Count(const std::wstring& path) const {
  ComPtr<IXMLDOMNodeList> nodes;
  long length = 0;
  if (document_ && SUCCEEDED(document_->selectNodes(Bstr(path).get(), nodes.put())) && nodes) nodes->get_length(&length);
  return length;
}

}  // namespace quav::test
