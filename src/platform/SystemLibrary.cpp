#include "platform/SystemLibrary.h"

#include <string>

namespace quav {

UniqueHmodule LoadSystemLibrary(const wchar_t* fileName) {
  std::wstring path(MAX_PATH, L'\0');
  UINT length = ::GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size()));
  if (length >= path.size()) {
    path.resize(length);
    length = ::GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size()));
  }
  if (length == 0 || length >= path.size()) return UniqueHmodule();
  path.resize(length);
  if (path.back() != L'\\') path += L'\\';
  path += fileName;
  return UniqueHmodule(::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

}  // namespace quav
