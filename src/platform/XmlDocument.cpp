#include "platform/XmlDocument.h"

#include <windows.h>
#include <objbase.h>
#include <xmllite.h>

#include "platform/DllSearch.h"
#include "platform/Handles.h"

namespace quav {
namespace {

using CreateXmlReaderFunction = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);

// Resolved once; null where the DLL or the function is missing.
CreateXmlReaderFunction XmlLite() {
  static const CreateXmlReaderFunction create = [] {
    const HMODULE module = LoadSystemDll("xmllite.dll");
    return module ? reinterpret_cast<CreateXmlReaderFunction>(
                        reinterpret_cast<void*>(::GetProcAddress(module, "CreateXmlReader")))
                  : nullptr;
  }();
  return create;
}

// The text as UTF-16 behind its byte order mark, which the reader goes by.
ComPtr<IStream> TextStream(std::wstring_view text) {
  ComPtr<IStream> stream;
  if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, stream.put()))) return {};
  const wchar_t mark = 0xFEFF;
  const LARGE_INTEGER start{};
  if (FAILED(stream->Write(&mark, sizeof mark, nullptr)) ||
      FAILED(stream->Write(text.data(), static_cast<ULONG>(text.size() * sizeof(wchar_t)), nullptr)) ||
      FAILED(stream->Seek(start, STREAM_SEEK_SET, nullptr))) {
    return {};
  }
  return stream;
}

std::wstring Current(IXmlReader& reader, HRESULT (STDMETHODCALLTYPE IXmlReader::*get)(LPCWSTR*, UINT*)) {
  LPCWSTR value = nullptr;
  UINT length = 0;
  const HRESULT got = (reader.*get)(&value, &length);
  // The member called sets value, which cppcheck does not follow through the pointer.
  // cppcheck-suppress knownConditionTrueFalse
  return SUCCEEDED(got) && value ? std::wstring(value, length) : std::wstring();
}

constexpr wchar_t kXmlnsNamespace[] = L"http://www.w3.org/2000/xmlns/";

// The element the reader stands on, with its attributes; the reader is left
// on the element.
XmlElement ElementAt(IXmlReader& reader) {
  XmlElement element;
  element.name = Current(reader, &IXmlReader::GetLocalName);
  element.namespaceUri = Current(reader, &IXmlReader::GetNamespaceUri);
  for (HRESULT at = reader.MoveToFirstAttribute(); at == S_OK; at = reader.MoveToNextAttribute()) {
    if (Current(reader, &IXmlReader::GetNamespaceUri) == kXmlnsNamespace) continue;
    element.attributes.emplace_back(Current(reader, &IXmlReader::GetLocalName),
                                    Current(reader, &IXmlReader::GetValue));
  }
  reader.MoveToElement();
  return element;
}

}  // namespace

std::optional<XmlElement> ReadXmlDocument(std::wstring_view text) {
  const CreateXmlReaderFunction create = XmlLite();
  if (!create) return std::nullopt;
  ComPtr<IXmlReader> reader;
  if (FAILED(create(__uuidof(IXmlReader), reader.put_void(), nullptr))) return std::nullopt;
  const ComPtr<IStream> stream = TextStream(text);
  if (!stream || FAILED(reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit)) ||
      FAILED(reader->SetInput(stream.get()))) {
    return std::nullopt;
  }
  // The elements open around the reader; the document's is the first.
  std::vector<XmlElement> open;
  std::optional<XmlElement> document;
  const auto close = [&] {
    XmlElement done = std::move(open.back());
    open.pop_back();
    if (open.empty()) {
      document = std::move(done);
    } else {
      open.back().children.push_back(std::move(done));
    }
  };
  XmlNodeType node = XmlNodeType_None;
  HRESULT read = S_OK;
  while ((read = reader->Read(&node)) == S_OK) {
    switch (node) {
      case XmlNodeType_Element: {
        // One document element; a reader that lets a second pass is not trusted with it.
        if (open.empty() && document) return std::nullopt;
        const bool empty = reader->IsEmptyElement() != FALSE;
        open.push_back(ElementAt(*reader.get()));
        if (empty) close();
        break;
      }
      case XmlNodeType_EndElement:
        if (open.empty()) return std::nullopt;
        close();
        break;
      case XmlNodeType_Text:
      case XmlNodeType_CDATA:
        // Character data belongs in an element.
        if (open.empty()) return std::nullopt;
        open.back().text += Current(*reader.get(), &IXmlReader::GetValue);
        break;
      default:
        break;
    }
  }
  // S_FALSE: the end of a well-formed document; anything else is an error.
  if (read != S_FALSE || !open.empty()) return std::nullopt;
  return document;
}

}  // namespace quav
