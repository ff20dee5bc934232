#include "platform/modRegistry.h"

#include <cstdint>
#include <cstring>

#include "platform/AnsiText.h"
#include "platform/RegistryApi.h"
#include "platform/ValueData.h"

namespace quav {
namespace {

constexpr DWORD kReadBufferBytes = 512;
constexpr DWORD kClassBufferChars = 255;
// A key name holds at most 255 characters; the buffer also needs room for the
// terminating zero, and a DBCS name can take two bytes a character.
constexpr DWORD kNameBufferBytes = 2 * 255 + 1;

RegistryApi& Api() { return CurrentRegistryApi(); }

// Reads the value's data; a value longer than the 512-byte buffer is read
// again with a buffer of its size, so the text is always the stored value.
long QueryData(HKEY key, const std::string& name, std::string& bytes) {
  DWORD size = kReadBufferBytes;
  bytes.assign(size, '\0');
  long status = Api().QueryValueEx(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(bytes.data()), &size);
  for (int attempt = 0; status == ERROR_MORE_DATA && attempt < 4; ++attempt) {
    bytes.assign(size, '\0');
    status = Api().QueryValueEx(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(bytes.data()), &size);
  }
  if (status != ERROR_SUCCESS) {
    bytes.clear();
  } else {
    bytes.resize(size);
  }
  return status;
}

long Write(HKEY key, const std::string& name, DWORD type, const std::string& bytes) {
  return Api().SetValueEx(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                          static_cast<DWORD>(bytes.size()));
}

long SetValue(HKEY root, std::wstring_view keyPath, std::wstring_view valueName, DWORD valueType,
              const RegValueArg& value, bool createKey) {
  long status = ERROR_SUCCESS;
  UniqueHkey key = createKey ? CreateKey(root, keyPath, status) : OpenKey(root, keyPath, status);
  if (status != ERROR_SUCCESS) return status;
  const long writeStatus = WriteValueData(key.get(), valueName, valueType, value);
  const long closeStatus = key.Close();
  if (closeStatus != ERROR_SUCCESS) return closeStatus;
  return writeStatus;
}

}  // namespace

UniqueHkey& UniqueHkey::operator=(UniqueHkey&& other) noexcept {
  if (this != &other) {
    Close();
    key_ = std::exchange(other.key_, nullptr);
  }
  return *this;
}

HKEY* UniqueHkey::put() {
  Close();
  return &key_;
}

long UniqueHkey::Close() {
  if (!key_) return ERROR_SUCCESS;
  return Api().CloseKey(std::exchange(key_, nullptr));
}

// --- Building blocks ---

UniqueHkey OpenKey(HKEY root, std::wstring_view keyPath, long& status) {
  UniqueHkey key;
  const std::string path = ToAnsi(keyPath);
  status = Api().OpenKeyEx(root, path.c_str(), 0, KEY_ALL_ACCESS, key.put());
  // The ANSI function may convert the path through a buffer of MAX_PATH
  // characters (Wine's does) and refuse a longer one with ERROR_MORE_DATA,
  // although a key name alone may hold 255: such a path is opened in two
  // steps, its parent first and the last key relative to it.
  const size_t slash = keyPath.rfind(L'\\');
  if (status == ERROR_MORE_DATA && slash != std::wstring_view::npos && slash > 0) {
    key.release();
    long parentStatus = ERROR_SUCCESS;
    const UniqueHkey parent = OpenKey(root, keyPath.substr(0, slash), parentStatus);
    if (parentStatus != ERROR_SUCCESS) {
      status = parentStatus;
      return key;
    }
    return OpenKey(parent.get(), keyPath.substr(slash + 1), status);
  }
  if (status != ERROR_SUCCESS) key.release();
  return key;
}

UniqueHkey CreateKey(HKEY root, std::wstring_view keyPath, long& status) {
  UniqueHkey key;
  const std::string path = ToAnsi(keyPath);
  char noClass[] = "";
  SECURITY_ATTRIBUTES security{};
  DWORD disposition = 0;
  status = Api().CreateKeyEx(root, path.c_str(), 0, noClass, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, &security,
                             key.put(), &disposition);
  if (status != ERROR_SUCCESS) key.release();
  return key;
}

DWORD QueryValueType(HKEY key, std::wstring_view valueName, long& status) {
  const std::string name = ToAnsi(valueName);
  DWORD type = 0;
  DWORD size = 0;
  status = Api().QueryValueEx(key, name.c_str(), nullptr, &type, nullptr, &size);
  return type;
}

std::wstring ReadValueData(HKEY key, std::wstring_view valueName, DWORD valueType, long& status) {
  const std::string name = ToAnsi(valueName);
  switch (value_data::KindOf(valueType)) {
    case value_data::Kind::Text: {
      std::string bytes;
      status = QueryData(key, name, bytes);
      return FromAnsi(value_data::TrimTrailingZeros(bytes));
    }
    case value_data::Kind::Binary: {
      std::string bytes;
      status = QueryData(key, name, bytes);
      return FromAnsi(bytes);
    }
    case value_data::Kind::Dword: {
      uint32_t number = 0;
      DWORD size = sizeof number;
      status = Api().QueryValueEx(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&number), &size);
      if (status != ERROR_SUCCESS) return {};
      return value_data::DwordText(number);
    }
    case value_data::Kind::Unhandled:
      break;
  }
  status = kStatusUnhandledType;
  return {};
}

std::wstring ReadValue(HKEY key, std::wstring_view valueName, DWORD& valueType, long& status) {
  const std::string name = ToAnsi(valueName);
  char buffer[kReadBufferBytes];
  std::string larger;
  char* data = buffer;
  DWORD size = kReadBufferBytes;
  valueType = 0;
  status = Api().QueryValueEx(key, name.c_str(), nullptr, &valueType, reinterpret_cast<BYTE*>(data), &size);
  for (int attempt = 0; status == ERROR_MORE_DATA && attempt < 4; ++attempt) {
    larger.assign(size, '\0');
    data = larger.data();
    status = Api().QueryValueEx(key, name.c_str(), nullptr, &valueType, reinterpret_cast<BYTE*>(data), &size);
  }
  if (status != ERROR_SUCCESS) return {};
  const std::string_view bytes(data, size);
  switch (value_data::KindOf(valueType)) {
    case value_data::Kind::Text:
      return FromAnsi(value_data::TrimTrailingZeros(bytes));
    case value_data::Kind::Binary:
      return FromAnsi(bytes);
    case value_data::Kind::Dword: {
      // As ReadValueData's read into four bytes: more is refused, less fills
      // the low bytes.
      if (size > sizeof(uint32_t)) {
        status = ERROR_MORE_DATA;
        return {};
      }
      uint32_t number = 0;
      std::memcpy(&number, data, size);
      return value_data::DwordText(number);
    }
    case value_data::Kind::Unhandled:
      break;
  }
  status = kStatusUnhandledType;
  return {};
}

long WriteValueData(HKEY key, std::wstring_view valueName, DWORD valueType, const RegValueArg& value) {
  const std::string name = ToAnsi(valueName);
  switch (value_data::KindOf(valueType)) {
    case value_data::Kind::Text:
    case value_data::Kind::Binary:
      return Write(key, name, valueType, value_data::BytesToStore(valueType, ToAnsi(value.Text())));
    case value_data::Kind::Dword: {
      std::optional<uint32_t> number;
      if (value.IsNumber()) {
        if (value.Number() >= INT32_MIN && value.Number() <= UINT32_MAX) number = static_cast<uint32_t>(value.Number());
      } else {
        number = value_data::DwordFromText(value.Text());
      }
      // Not a 32-bit number: nothing is written, and the caller must not read
      // that as success.
      if (!number) return ERROR_INVALID_PARAMETER;
      const std::string bytes(reinterpret_cast<const char*>(&*number), sizeof *number);
      return Write(key, name, valueType, bytes);
    }
    case value_data::Kind::Unhandled:
      break;
  }
  return kStatusUnhandledType;
}

long DeleteValue(HKEY key, std::wstring_view valueName) {
  const std::string name = ToAnsi(valueName);
  return Api().DeleteValue(key, name.c_str());
}

// --- Top-level operations ---

std::wstring GetRegValue(HKEY root, std::wstring_view keyPath, std::wstring_view valueName, DWORD& valueType,
                         long& status) {
  long step = ERROR_SUCCESS;
  UniqueHkey key = OpenKey(root, keyPath, step);
  if (step != ERROR_SUCCESS) {
    status = step;
    return {};
  }
  std::wstring text;
  valueType = QueryValueType(key.get(), valueName, step);
  if (step != ERROR_SUCCESS) {
    status = step;
  } else {
    text = ReadValueData(key.get(), valueName, valueType, step);
    if (step != ERROR_SUCCESS) status = step;
  }
  step = key.Close();
  if (step != ERROR_SUCCESS) status = step;
  return text;
}

bool TryGetRegValue(HKEY root, std::wstring_view keyPath, std::wstring_view valueName, std::wstring& text) {
  text.clear();
  long status = ERROR_SUCCESS;
  UniqueHkey key = OpenKey(root, keyPath, status);
  if (status != ERROR_SUCCESS) return false;
  const DWORD type = QueryValueType(key.get(), valueName, status);
  if (status != ERROR_SUCCESS) return false;
  std::wstring read = ReadValueData(key.get(), valueName, type, status);
  if (status != ERROR_SUCCESS) return false;
  text = std::move(read);
  return true;
}

long SetRegValue(HKEY root, std::wstring_view keyPath, std::wstring_view valueName, DWORD valueType,
                 const RegValueArg& value) {
  return SetValue(root, keyPath, valueName, valueType, value, true);
}

long SetExistingRegValue(HKEY root, std::wstring_view keyPath, std::wstring_view valueName, DWORD valueType,
                         const RegValueArg& value) {
  return SetValue(root, keyPath, valueName, valueType, value, false);
}

long DeleteRegValue(HKEY root, std::wstring_view keyPath, std::wstring_view valueName) {
  long status = ERROR_SUCCESS;
  UniqueHkey key = OpenKey(root, keyPath, status);
  if (status != ERROR_SUCCESS) return status;
  long result = DeleteValue(key.get(), valueName);
  const long closeStatus = key.Close();
  if (closeStatus != ERROR_SUCCESS) result = closeStatus;
  return result;
}

long DeleteRegKey(HKEY root, std::wstring_view keyPath) {
  const std::string path = ToAnsi(keyPath);
  return Api().DeleteKey(root, path.c_str());
}

long GetKeyInfo(HKEY root, std::wstring_view keyPath, UniqueHkey& key, long& subKeyCount, long& valueCount,
                bool close) {
  long status = ERROR_SUCCESS;
  key = OpenKey(root, keyPath, status);
  if (status != ERROR_SUCCESS) return status;
  char keyClass[kClassBufferChars + 1] = {};
  DWORD classLength = kClassBufferChars;
  DWORD subKeys = 0, maxSubKeyLength = 0, maxClassLength = 0, values = 0, maxValueNameLength = 0, maxValueLength = 0,
        securityDescriptorSize = 0;
  FILETIME lastWrite{};
  status = Api().QueryInfoKey(key.get(), keyClass, &classLength, nullptr, &subKeys, &maxSubKeyLength, &maxClassLength,
                              &values, &maxValueNameLength, &maxValueLength, &securityDescriptorSize, &lastWrite);
  if (status == ERROR_SUCCESS) {
    subKeyCount = static_cast<long>(subKeys);
    valueCount = static_cast<long>(values);
  }
  if (close) key.Close();
  return status;
}

std::vector<std::wstring> EnumSubKeys(HKEY root, std::wstring_view keyPath, UniqueHkey& key, long& count,
                                      long& status, bool close) {
  std::vector<std::wstring> names;
  long subKeys = 0;
  long values = 0;
  status = GetKeyInfo(root, keyPath, key, subKeys, values, false);
  if (status == ERROR_SUCCESS && subKeys > 0) {
    names.reserve(static_cast<size_t>(subKeys));
    for (long index = 0; index < subKeys; ++index) {
      char name[kNameBufferBytes] = {};
      DWORD nameLength = kNameBufferBytes;
      char keyClass[kClassBufferChars + 1] = {};
      DWORD classLength = kClassBufferChars;
      FILETIME lastWrite{};
      const long result = Api().EnumKeyEx(key.get(), static_cast<DWORD>(index), name, &nameLength, nullptr, keyClass,
                                          &classLength, &lastWrite);
      if (result == ERROR_SUCCESS) {
        names.push_back(FromAnsi(std::string_view(name, nameLength)));
      } else if (result != ERROR_NO_MORE_ITEMS && status == ERROR_SUCCESS) {
        // The other names are still given; the status says the list is short.
        status = result;
      }
    }
  }
  count = static_cast<long>(names.size());
  if (close) key.Close();
  return names;
}

}  // namespace quav
