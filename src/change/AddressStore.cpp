#include "change/AddressStore.h"

#include <windows.h>

#include "adapters/AdapterKeys.h"
#include "platform/ErrorText.h"
#include "platform/Texts.h"
#include "platform/modRegistry.h"

namespace quav {
namespace {

std::wstring AdapterKey(const std::wstring& adapterIndex) { return std::wstring(kNetworkClassKey) + adapterIndex; }

// What the registry holds for the value now: its text, or the status of the
// failed read (2 when there is no such value or key).
struct StoredValue {
  std::wstring text;
  long status = 0;
};

StoredValue ReadStoredValue(const std::wstring& adapterIndex) {
  if (adapterIndex.empty()) return {L"", ERROR_FILE_NOT_FOUND};
  StoredValue stored;
  DWORD type = 0;
  stored.text = GetRegValue(HKEY_LOCAL_MACHINE, AdapterKey(adapterIndex), kNetworkAddressValue, type, stored.status);
  return stored;
}

// A read that gave no text and a status: the value could not be read, so the
// read says nothing about what is stored.
bool Unreadable(const StoredValue& stored) { return stored.text.empty() && stored.status != 0; }

bool WellFormed(const std::wstring& digits) {
  return digits.size() == 12 && digits.find_first_not_of(L"0123456789ABCDEFabcdef") == std::wstring::npos;
}

}  // namespace

ChangeOutcome StoreOverrideAddress(const std::wstring& adapterIndex, const std::wstring& digits) {
  if (!WellFormed(digits)) return {false, Say(TextId::NotTwelveDigits), ERROR_INVALID_DATA};
  // Only into the key of an adapter that exists: a system class key gets no
  // new subkeys from us.
  const long status = adapterIndex.empty() ? ERROR_FILE_NOT_FOUND
                                           : SetExistingRegValue(HKEY_LOCAL_MACHINE, AdapterKey(adapterIndex),
                                                                 kNetworkAddressValue, REG_SZ, digits);
  const StoredValue stored = ReadStoredValue(adapterIndex);
  // The value read back decides; when it cannot be read, the write's own
  // status does. A failed close after a good read does not undo the value.
  if (stored.text == digits || (Unreadable(stored) && status == ERROR_SUCCESS)) return {true, L"", 0};
  if (status == ERROR_FILE_NOT_FOUND) return {false, Say(TextId::NoAdapterKey), status};
  if (status == 0) return {false, Say(TextId::ReadBackDiffers), 0};
  return {false, SystemErrorText(static_cast<unsigned long>(status)), status};
}

ChangeOutcome DeleteOverrideAddress(const std::wstring& adapterIndex) {
  if (adapterIndex.empty()) return {false, Say(TextId::NoAdapterKey), ERROR_FILE_NOT_FOUND};
  const long status = DeleteRegValue(HKEY_LOCAL_MACHINE, AdapterKey(adapterIndex), kNetworkAddressValue);
  // A value that was not there leaves the adapter without an override, which
  // is what was asked; anything still readable is a removal that failed. When
  // the value cannot be read back, the deletion's own status decides.
  const StoredValue stored = ReadStoredValue(adapterIndex);
  const bool deleted = status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
  if (stored.status == ERROR_FILE_NOT_FOUND || (Unreadable(stored) && deleted)) return {true, L"", 0};
  if (!deleted) return {false, SystemErrorText(static_cast<unsigned long>(status)), status};
  return {false, Say(TextId::StillThereAfterDelete), 0};
}

std::wstring StoredOverrideAddress(const std::wstring& adapterIndex) {
  std::wstring text;
  if (adapterIndex.empty() ||
      !TryGetRegValue(HKEY_LOCAL_MACHINE, AdapterKey(adapterIndex), kNetworkAddressValue, text)) {
    return L"";
  }
  return text;
}

}  // namespace quav
