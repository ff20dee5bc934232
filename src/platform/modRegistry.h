#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The only place the program touches the registry. Every operation opens its
// key with full access, does one thing and closes the key again; outcomes are
// status numbers (0, the registry function's error code, or 700 for a value
// type this layer does not handle), never messages or exceptions.
namespace quav {

inline constexpr long kStatusUnhandledType = 700;

// A key opened by this layer. Close() reports the close's status; a key still
// open when the object goes away is closed then.
class UniqueHkey {
 public:
  UniqueHkey() = default;
  explicit UniqueHkey(HKEY key) : key_(key) {}
  UniqueHkey(UniqueHkey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
  UniqueHkey& operator=(UniqueHkey&& other) noexcept;
  UniqueHkey(const UniqueHkey&) = delete;
  UniqueHkey& operator=(const UniqueHkey&) = delete;
  ~UniqueHkey() { Close(); }

  HKEY get() const { return key_; }
  explicit operator bool() const { return key_ != nullptr; }
  HKEY* put();
  // Gives up ownership without closing (for a handle a failed call left behind).
  HKEY release() { return std::exchange(key_, nullptr); }
  long Close();

 private:
  HKEY key_ = nullptr;
};

// A value to write: text for the string types and REG_BINARY, a number or
// numeric text for REG_DWORD. The constructors are implicit on purpose: like
// the variant it stands for, callers pass texts and numbers as they are.
class RegValueArg {
 public:
  // cppcheck-suppress noExplicitConstructor
  RegValueArg(std::wstring_view text) : text_(text) {}
  // cppcheck-suppress noExplicitConstructor
  RegValueArg(const wchar_t* text) : text_(text) {}
  // cppcheck-suppress noExplicitConstructor
  RegValueArg(const std::wstring& text) : text_(text) {}
  // cppcheck-suppress noExplicitConstructor
  RegValueArg(long long number) : text_(std::to_wstring(number)), isNumber_(true), number_(number) {}
  // cppcheck-suppress noExplicitConstructor
  RegValueArg(int number) : RegValueArg(static_cast<long long>(number)) {}

  const std::wstring& Text() const { return text_; }
  bool IsNumber() const { return isNumber_; }
  long long Number() const { return number_; }

 private:
  std::wstring text_;
  bool isNumber_ = false;
  long long number_ = 0;
};

// --- Top-level operations: each opens and closes its own key. ---

// The value as text, and its stored type in valueType. Sets status only to a
// non-zero code (the last failing step's), never back to 0: pass a variable
// holding 0. Empty text when the key or value cannot be read.
std::wstring GetRegValue(HKEY root, std::wstring_view keyPath, std::wstring_view valueName, DWORD& valueType,
                         long& status);

// True with the value's text when the key opens, the type is handled and the
// data is read; false with an empty text otherwise.
bool TryGetRegValue(HKEY root, std::wstring_view keyPath, std::wstring_view valueName, std::wstring& text);

// Opens the key, creating it and any missing key on its path, and writes the
// value by the type given. Status: the close's if it failed, else the
// write's, else the open-or-create's.
long SetRegValue(HKEY root, std::wstring_view keyPath, std::wstring_view valueName, DWORD valueType,
                 const RegValueArg& value);

// Like SetRegValue, but only into a key that already exists: a missing key
// gives status 2 and nothing is created.
long SetExistingRegValue(HKEY root, std::wstring_view keyPath, std::wstring_view valueName, DWORD valueType,
                         const RegValueArg& value);

// Deletes one value; the key stays. Status: the last non-zero code of open,
// delete and close (2 for a value that does not exist), or 0.
long DeleteRegValue(HKEY root, std::wstring_view keyPath, std::wstring_view valueName);

// Deletes a key that has no subkeys, with its values. Status: 0, or the
// delete's code (2 for a key that does not exist).
long DeleteRegKey(HKEY root, std::wstring_view keyPath);

// The names of the key's direct subkeys, in index order, with their number in
// count. Status is that of opening and querying the key; the list is empty
// when that failed. With close false the open key is handed back in key.
// Entries that cannot be enumerated are left out, and the first such failure
// becomes the status (a key changed meanwhile, ERROR_NO_MORE_ITEMS, aside).
std::vector<std::wstring> EnumSubKeys(HKEY root, std::wstring_view keyPath, UniqueHkey& key, long& count,
                                      long& status, bool close);

// Opens the key into key and fills the two counts; returns the status of the
// open (counts untouched on failure) or of the query. Closes the key when
// close is true.
long GetKeyInfo(HKEY root, std::wstring_view keyPath, UniqueHkey& key, long& subKeyCount, long& valueCount,
                bool close);

// --- Building blocks, on a key that is already open. Each stores the status
// of its call, 0 included. ---

// A path too long for the platform's ANSI conversion (over MAX_PATH) is
// opened in steps; each key opened on the way is closed again.
UniqueHkey OpenKey(HKEY root, std::wstring_view keyPath, long& status);
UniqueHkey CreateKey(HKEY root, std::wstring_view keyPath, long& status);
DWORD QueryValueType(HKEY key, std::wstring_view valueName, long& status);
std::wstring ReadValueData(HKEY key, std::wstring_view valueName, DWORD valueType, long& status);
// QueryValueType and ReadValueData in one query, into a buffer that holds the
// usual value whole (a longer one is read again at its size): the stored type
// in valueType, the text and status as ReadValueData gives them.
std::wstring ReadValue(HKEY key, std::wstring_view valueName, DWORD& valueType, long& status);
long WriteValueData(HKEY key, std::wstring_view valueName, DWORD valueType, const RegValueArg& value);
long DeleteValue(HKEY key, std::wstring_view valueName);

}  // namespace quav
