#include "platform/modRegistry.h"

#include <gtest/gtest.h>

#include "support/FaultInjectingRegistry.h"
#include "support/RegistryFixture.h"

namespace quav {
namespace {

using test::ReadRaw;
using test::SetRaw;
using test::SetWide;

std::string Bytes(const char* data, size_t size) { return std::string(data, size); }

// The UTF-16 data a string value holds.
std::wstring Stored(HKEY root, const std::wstring& path, const wchar_t* name) {
  const auto raw = ReadRaw(root, path, name);
  return raw ? test::StoredText(*raw) : L"<missing>";
}

// A REG_SZ is passed without its zero counted; the system stores the zero
// that follows the data anyway (as NT does), so only one may follow the text.
std::wstring WithoutOneTerminator(std::wstring stored) {
  if (!stored.empty() && stored.back() == L'\0') stored.pop_back();
  return stored;
}

class RegistryLayer : public ::testing::Test {
 protected:
  std::wstring Read(const std::wstring& name, DWORD* type = nullptr, long* statusOut = nullptr) {
    DWORD storedType = 0;
    long status = 0;
    std::wstring text = GetRegValue(HKEY_CURRENT_USER, key.Path(), name, storedType, status);
    if (type) *type = storedType;
    if (statusOut) *statusOut = status;
    return text;
  }
  test::ScratchKey key;
};

TEST_F(RegistryLayer, StringReadsTheSameWithOrWithoutTerminatingZeros) {
  SetWide(HKEY_CURRENT_USER, key.Path(), L"none", REG_SZ, L"abc");
  SetWide(HKEY_CURRENT_USER, key.Path(), L"one", REG_SZ, std::wstring(L"abc\0", 4));
  SetWide(HKEY_CURRENT_USER, key.Path(), L"three", REG_SZ, std::wstring(L"abc\0\0\0", 6));
  SetRaw(HKEY_CURRENT_USER, key.Path(), L"expand", REG_EXPAND_SZ, Bytes("%PATH%\0", 7));
  EXPECT_EQ(L"abc", Read(L"none"));
  EXPECT_EQ(L"abc", Read(L"one"));
  EXPECT_EQ(L"abc", Read(L"three"));
  DWORD type = 0;
  EXPECT_EQ(L"%PATH%", Read(L"expand", &type)) << "not expanded";
  EXPECT_EQ(static_cast<DWORD>(REG_EXPAND_SZ), type);
}

TEST_F(RegistryLayer, TwelveDigitsAreStoredWithoutTerminatingZero) {
  EXPECT_EQ(0, SetRegValue(HKEY_CURRENT_USER, key.Path(), L"NetworkAddress", REG_SZ, L"0012345678AB"));
  const auto raw = ReadRaw(HKEY_CURRENT_USER, key.Path(), L"NetworkAddress");
  ASSERT_TRUE(raw);
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), raw->type);
  EXPECT_EQ(L"0012345678AB", WithoutOneTerminator(test::StoredText(*raw)));
  EXPECT_EQ(L"0012345678AB", Read(L"NetworkAddress"));
}

TEST_F(RegistryLayer, MultiStringKeepsInnerSeparatorOnly) {
  SetWide(HKEY_CURRENT_USER, key.Path(), L"IPAddress", REG_MULTI_SZ, std::wstring(L"10.0.0.12\0" L"10.0.0.13\0\0", 21));
  EXPECT_EQ(std::wstring(L"10.0.0.12\0" L"10.0.0.13", 19), Read(L"IPAddress"));
}

TEST_F(RegistryLayer, DwordReadsAsSignedDecimal) {
  const uint32_t five = 5, all = 0xFFFFFFFF;
  SetRaw(HKEY_CURRENT_USER, key.Path(), L"five", REG_DWORD, Bytes(reinterpret_cast<const char*>(&five), 4));
  SetRaw(HKEY_CURRENT_USER, key.Path(), L"all", REG_DWORD, Bytes(reinterpret_cast<const char*>(&all), 4));
  EXPECT_EQ(L"5", Read(L"five"));
  EXPECT_EQ(L"-1", Read(L"all"));
}

TEST_F(RegistryLayer, BinaryReadsBytesAsCharactersZerosIncluded) {
  SetRaw(HKEY_CURRENT_USER, key.Path(), L"bin", REG_BINARY, Bytes("AB\0C\0", 5));
  EXPECT_EQ(std::wstring(L"AB\0C\0", 5), Read(L"bin"));
}

TEST_F(RegistryLayer, UnhandledTypesGiveEmptyTextAndStatus700) {
  const uint32_t five = 5;
  SetRaw(HKEY_CURRENT_USER, key.Path(), L"big", REG_DWORD_BIG_ENDIAN, Bytes(reinterpret_cast<const char*>(&five), 4));
  SetRaw(HKEY_CURRENT_USER, key.Path(), L"qword", REG_QWORD, Bytes("12345678", 8));
  for (const wchar_t* name : {L"big", L"qword"}) {
    long status = 0;
    std::wstring text;
    EXPECT_EQ(L"", Read(name, nullptr, &status));
    EXPECT_EQ(kStatusUnhandledType, status);
    EXPECT_FALSE(TryGetRegValue(HKEY_CURRENT_USER, key.Path(), name, text));
  }
  EXPECT_EQ(kStatusUnhandledType, SetRegValue(HKEY_CURRENT_USER, key.Path(), L"new", REG_QWORD, L"1"));
  EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, key.Path(), L"new")) << "nothing written";
}

TEST_F(RegistryLayer, ValueLongerThanTheReadBufferReadsInFull) {
  const std::string long600(600, 'x');
  SetRaw(HKEY_CURRENT_USER, key.Path(), L"long", REG_SZ, long600);
  long status = 0;
  EXPECT_EQ(std::wstring(600, L'x'), Read(L"long", nullptr, &status));
  EXPECT_EQ(0, status);
}

// The scan's one-query read tells what the two-step read tells, for every
// type and size, and reads a usual value with one query.
TEST_F(RegistryLayer, ReadValueAgreesWithGetRegValue) {
  const uint32_t all = 0xFFFFFFFF;
  SetRaw(HKEY_CURRENT_USER, key.Path(), L"sz", REG_SZ, Bytes("abc\0", 4));
  SetWide(HKEY_CURRENT_USER, key.Path(), L"multi", REG_MULTI_SZ, std::wstring(L"10.0.0.12\0" L"10.0.0.13\0\0", 21));
  SetRaw(HKEY_CURRENT_USER, key.Path(), L"dword", REG_DWORD, Bytes(reinterpret_cast<const char*>(&all), 4));
  SetRaw(HKEY_CURRENT_USER, key.Path(), L"short", REG_DWORD, Bytes("\x07\x01", 2));
  SetRaw(HKEY_CURRENT_USER, key.Path(), L"wide", REG_DWORD, Bytes("12345678", 8));
  SetRaw(HKEY_CURRENT_USER, key.Path(), L"bin", REG_BINARY, Bytes("AB\0C\0", 5));
  SetRaw(HKEY_CURRENT_USER, key.Path(), L"qword", REG_QWORD, Bytes("12345678", 8));
  SetRaw(HKEY_CURRENT_USER, key.Path(), L"long", REG_EXPAND_SZ, std::string(3000, 'x'));
  // Either side of the buffer's 512 bytes.
  for (const size_t size : {511, 512, 513}) {
    SetRaw(HKEY_CURRENT_USER, key.Path(), L"bin" + std::to_wstring(size), REG_BINARY, std::string(size, 'b'));
  }
  EXPECT_EQ(0, SetRegValue(HKEY_CURRENT_USER, key.Path(), L"desc", REG_SZ, L"网络适配器 Intel"));
  long status = 0;
  const UniqueHkey open = OpenKey(HKEY_CURRENT_USER, key.Path(), status);
  ASSERT_EQ(0, status);
  for (const wchar_t* name : {L"sz", L"multi", L"dword", L"short", L"wide", L"bin", L"qword", L"long", L"desc",
                              L"missing", L"bin511", L"bin512", L"bin513"}) {
    DWORD expectedType = 0;
    long expectedStatus = 0;
    const std::wstring expected = Read(name, &expectedType, &expectedStatus);
    test::FaultInjectingRegistry counted;
    ScopedRegistryApi scope(counted);
    DWORD type = 0;
    long got = -1;
    EXPECT_EQ(expected, ReadValue(open.get(), name, type, got)) << name;
    EXPECT_EQ(expectedStatus, got) << name;
    if (expectedStatus != ERROR_FILE_NOT_FOUND) {
      EXPECT_EQ(expectedType, type) << name;
    }
    const bool larger = std::wstring_view(name) == L"long" || std::wstring_view(name) == L"bin513";
    EXPECT_EQ(larger ? 2 : 1, counted.Count(test::RegCall::QueryValueEx)) << name;
  }
}

TEST_F(RegistryLayer, ChineseTextCrossesTheAnsiCodePage) {
  EXPECT_EQ(0, SetRegValue(HKEY_CURRENT_USER, key.Path(), L"desc", REG_SZ, L"网络适配器 Intel"));
  EXPECT_EQ(L"网络适配器 Intel", Read(L"desc"));
}

TEST_F(RegistryLayer, WritesFollowTheTypeTable) {
  const HKEY root = HKEY_CURRENT_USER;
  EXPECT_EQ(0, SetRegValue(root, key.Path(), L"expand", REG_EXPAND_SZ, L"ab"));
  EXPECT_EQ(std::wstring(L"ab\0", 3), Stored(root, key.Path(), L"expand"));
  EXPECT_EQ(0, SetRegValue(root, key.Path(), L"bin", REG_BINARY, L"ab"));
  EXPECT_EQ("ab", ReadRaw(root, key.Path(), L"bin")->bytes);
  EXPECT_EQ(0, SetRegValue(root, key.Path(), L"none", REG_NONE, L"ab"));
  EXPECT_EQ("ab", ReadRaw(root, key.Path(), L"none")->bytes);

  EXPECT_EQ(0, SetRegValue(root, key.Path(), L"multi0", REG_MULTI_SZ, L"a"));
  EXPECT_EQ(std::wstring(L"a\0\0", 3), Stored(root, key.Path(), L"multi0"));
  EXPECT_EQ(0, SetRegValue(root, key.Path(), L"multi1", REG_MULTI_SZ, std::wstring(L"a\0", 2)));
  EXPECT_EQ(std::wstring(L"a\0\0", 3), Stored(root, key.Path(), L"multi1"));
  EXPECT_EQ(0, SetRegValue(root, key.Path(), L"multi2", REG_MULTI_SZ, std::wstring(L"a\0b\0\0", 5)));
  EXPECT_EQ(std::wstring(L"a\0b\0\0", 5), Stored(root, key.Path(), L"multi2"));

  EXPECT_EQ(0, SetRegValue(root, key.Path(), L"n", REG_DWORD, 7));
  EXPECT_EQ(0, SetRegValue(root, key.Path(), L"t", REG_DWORD, L"-1"));
  EXPECT_EQ(L"7", Read(L"n"));
  EXPECT_EQ(L"-1", Read(L"t"));
  EXPECT_NE(0, SetRegValue(root, key.Path(), L"bad", REG_DWORD, L"12ab")) << "a write that did not happen";
  EXPECT_FALSE(ReadRaw(root, key.Path(), L"bad"));
}

TEST_F(RegistryLayer, SetCreatesMissingKeysOnThePath) {
  const std::wstring deep = key.Sub(L"a\\b\\c");
  EXPECT_EQ(0, SetRegValue(HKEY_CURRENT_USER, deep, L"v", REG_SZ, L"1"));
  EXPECT_EQ(L"1", WithoutOneTerminator(Stored(HKEY_CURRENT_USER, deep, L"v")));
}

TEST_F(RegistryLayer, SetExistingDoesNotCreateKeys) {
  const std::wstring missing = key.Sub(L"missing");
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, SetExistingRegValue(HKEY_CURRENT_USER, missing, L"v", REG_SZ, L"1"));
  EXPECT_FALSE(test::KeyExists(HKEY_CURRENT_USER, missing));
  test::CreateKeyPath(HKEY_CURRENT_USER, missing);
  EXPECT_EQ(0, SetExistingRegValue(HKEY_CURRENT_USER, missing, L"v", REG_SZ, L"1"));
  EXPECT_EQ(L"1", WithoutOneTerminator(Stored(HKEY_CURRENT_USER, missing, L"v")));
}

TEST_F(RegistryLayer, DeleteOfMissingValueReportsTwoAndKeepsTheKey) {
  test::CreateKeyPath(HKEY_CURRENT_USER, key.Path());
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, DeleteRegValue(HKEY_CURRENT_USER, key.Path(), L"nothing"));
  EXPECT_TRUE(test::KeyExists(HKEY_CURRENT_USER, key.Path()));
  SetRaw(HKEY_CURRENT_USER, key.Path(), L"v", REG_SZ, "1");
  EXPECT_EQ(0, DeleteRegValue(HKEY_CURRENT_USER, key.Path(), L"v"));
  EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, key.Path(), L"v"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, DeleteRegValue(HKEY_CURRENT_USER, key.Sub(L"missing"), L"v"));
}

TEST_F(RegistryLayer, MissingKeyOrValueReadsEmptyWithStatusTwo) {
  long status = 0;
  EXPECT_EQ(L"", Read(L"nothing", nullptr, &status));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, status);
  test::CreateKeyPath(HKEY_CURRENT_USER, key.Path());
  status = 0;
  EXPECT_EQ(L"", Read(L"nothing", nullptr, &status));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, status);
  std::wstring text = L"old";
  EXPECT_FALSE(TryGetRegValue(HKEY_CURRENT_USER, key.Path(), L"nothing", text));
  EXPECT_EQ(L"", text);
}

TEST_F(RegistryLayer, GetRegValueNeverClearsTheCallersStatus) {
  SetRaw(HKEY_CURRENT_USER, key.Path(), L"v", REG_SZ, "x");
  DWORD type = 0;
  long status = 1450;
  EXPECT_EQ(L"x", GetRegValue(HKEY_CURRENT_USER, key.Path(), L"v", type, status));
  EXPECT_EQ(1450, status);
}

TEST_F(RegistryLayer, TryGetSucceedsForAStoredEmptyString) {
  SetRaw(HKEY_CURRENT_USER, key.Path(), L"empty", REG_SZ, "");
  std::wstring text = L"old";
  EXPECT_TRUE(TryGetRegValue(HKEY_CURRENT_USER, key.Path(), L"empty", text));
  EXPECT_EQ(L"", text);
}

TEST_F(RegistryLayer, EnumSubKeysListsNamesInIndexOrder) {
  long count = -1, status = -1;
  UniqueHkey handle;
  EXPECT_TRUE(EnumSubKeys(HKEY_CURRENT_USER, key.Path(), handle, count, status, true).empty());
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, status);

  test::CreateKeyPath(HKEY_CURRENT_USER, key.Path());
  EXPECT_TRUE(EnumSubKeys(HKEY_CURRENT_USER, key.Path(), handle, count, status, true).empty());
  EXPECT_EQ(0, status);
  EXPECT_EQ(0, count);

  const std::wstring longest(255, L'k');
  for (const std::wstring& name : {std::wstring(L"0001"), std::wstring(L"0000"), longest, std::wstring(L"键")}) {
    test::CreateKeyPath(HKEY_CURRENT_USER, key.Path() + L"\\" + name);
  }
  const auto names = EnumSubKeys(HKEY_CURRENT_USER, key.Path(), handle, count, status, true);
  EXPECT_EQ(0, status);
  ASSERT_EQ(4, count);
  EXPECT_EQ((std::vector<std::wstring>{L"0000", L"0001", longest, L"键"}), names);
  EXPECT_FALSE(handle) << "closed as asked";

  EnumSubKeys(HKEY_CURRENT_USER, key.Path(), handle, count, status, false);
  EXPECT_TRUE(handle) << "handed back open";
  EXPECT_EQ(0, handle.Close());
}

TEST_F(RegistryLayer, GetKeyInfoCountsSubkeysAndValues) {
  SetRaw(HKEY_CURRENT_USER, key.Path(), L"a", REG_SZ, "1");
  SetRaw(HKEY_CURRENT_USER, key.Path(), L"b", REG_SZ, "1");
  test::CreateKeyPath(HKEY_CURRENT_USER, key.Sub(L"sub"));
  UniqueHkey handle;
  long subkeys = -1, values = -1;
  EXPECT_EQ(0, GetKeyInfo(HKEY_CURRENT_USER, key.Path(), handle, subkeys, values, true));
  EXPECT_EQ(1, subkeys);
  EXPECT_EQ(2, values);
  subkeys = values = -1;
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, GetKeyInfo(HKEY_CURRENT_USER, key.Sub(L"none"), handle, subkeys, values, true));
  EXPECT_EQ(-1, subkeys) << "untouched on failure";
}

TEST_F(RegistryLayer, KeyWithoutWriteAccessCannotBeReadEither) {
  SetRaw(HKEY_CURRENT_USER, key.Path(), L"v", REG_SZ, "readable");
  test::DeniedKey denied(HKEY_CURRENT_USER, key.Path());
  ASSERT_TRUE(ReadRaw(HKEY_CURRENT_USER, key.Path(), L"v")) << "a read-only open still works";
  long status = 0;
  EXPECT_EQ(L"", Read(L"v", nullptr, &status));
  EXPECT_EQ(ERROR_ACCESS_DENIED, status);
  EXPECT_EQ(ERROR_ACCESS_DENIED, SetRegValue(HKEY_CURRENT_USER, key.Path(), L"v", REG_SZ, L"x"));
  EXPECT_EQ(ERROR_ACCESS_DENIED, DeleteRegValue(HKEY_CURRENT_USER, key.Path(), L"v"));
  EXPECT_EQ(std::wstring(L"readable\0", 9), Stored(HKEY_CURRENT_USER, key.Path(), L"v"));
}

TEST_F(RegistryLayer, KeyPathsLongerThanMaxPathAreReadWrittenAndListed) {
  // Key names of 255 characters, ASCII and double-byte: with the scratch
  // path, well over MAX_PATH characters.
  for (const std::wstring& name : {std::wstring(255, L'A'), std::wstring(255, L'网')}) {
    const std::wstring path = key.Sub(name);
    test::CreateKeyPath(HKEY_CURRENT_USER, path);
    test::FaultInjectingRegistry counted;
    ScopedRegistryApi scope(counted);
    EXPECT_EQ(0, SetExistingRegValue(HKEY_CURRENT_USER, path, L"v", REG_SZ, L"0012345678AB"));
    std::wstring text;
    EXPECT_TRUE(TryGetRegValue(HKEY_CURRENT_USER, path, L"v", text));
    EXPECT_EQ(L"0012345678AB", text);
    EXPECT_EQ(0, DeleteRegValue(HKEY_CURRENT_USER, path, L"v"));
    EXPECT_EQ(L"<missing>", Stored(HKEY_CURRENT_USER, path, L"v"));
    long count = 0, status = -1;
    UniqueHkey handle;
    EnumSubKeys(HKEY_CURRENT_USER, key.Path(), handle, count, status, true);
    EXPECT_EQ(0, status);
    EXPECT_EQ(counted.KeysOpened(), counted.KeysClosed());
    test::DeleteTree(HKEY_CURRENT_USER, path);
  }
  // A long path to a key that is not there is missing like any other.
  DWORD type = 0;
  long status = 0;
  EXPECT_EQ(L"", GetRegValue(HKEY_CURRENT_USER, key.Sub(std::wstring(255, L'B')), L"v", type, status));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, status);
}

// Failures that cannot be produced on demand, through the layer's seam.
class RegistryLayerFaults : public RegistryLayer {
 protected:
  test::FaultInjectingRegistry faults;
};

TEST_F(RegistryLayerFaults, StatusOfGetRegValueIsTheLastFailingStep) {
  SetRaw(HKEY_CURRENT_USER, key.Path(), L"v", REG_SZ, "x");
  {
    ScopedRegistryApi scope(faults);
    faults.FailCall(test::RegCall::CloseKey, 1, 1450);
    long status = 0;
    EXPECT_EQ(L"x", Read(L"v", nullptr, &status)) << "the read itself succeeded";
    EXPECT_EQ(1450, status);
  }
  test::FaultInjectingRegistry second;
  {
    ScopedRegistryApi scope(second);
    second.FailCall(test::RegCall::QueryValueEx, 2, 1450);  // the data read, after the type query
    second.FailCall(test::RegCall::CloseKey, 1, 6);
    long status = 0;
    EXPECT_EQ(L"", Read(L"v", nullptr, &status));
    EXPECT_EQ(6, status);
  }
  EXPECT_EQ(second.KeysOpened(), second.KeysClosed());
}

TEST_F(RegistryLayerFaults, TryGetFailsAtEachStepAndStillClosesTheKey) {
  SetRaw(HKEY_CURRENT_USER, key.Path(), L"v", REG_SZ, "x");
  for (int step = 1; step <= 3; ++step) {
    test::FaultInjectingRegistry injected;
    ScopedRegistryApi scope(injected);
    injected.FailCall(std::nullopt, step, 1450);
    std::wstring text = L"old";
    EXPECT_FALSE(TryGetRegValue(HKEY_CURRENT_USER, key.Path(), L"v", text)) << "step " << step;
    EXPECT_EQ(L"", text);
    EXPECT_EQ(injected.KeysOpened(), injected.KeysClosed()) << "step " << step;
  }
}

TEST_F(RegistryLayerFaults, SetReportsCloseOverWriteOverOpen) {
  {
    ScopedRegistryApi scope(faults);
    faults.FailCall(test::RegCall::SetValueEx, 1, 5);
    faults.FailCall(test::RegCall::CloseKey, 1, 1450);
    EXPECT_EQ(1450, SetRegValue(HKEY_CURRENT_USER, key.Path(), L"v", REG_SZ, L"x"));
  }
  test::FaultInjectingRegistry writeOnly;
  {
    ScopedRegistryApi scope(writeOnly);
    writeOnly.FailCall(test::RegCall::SetValueEx, 1, 5);
    EXPECT_EQ(5, SetRegValue(HKEY_CURRENT_USER, key.Path(), L"v", REG_SZ, L"x"));
  }
  test::FaultInjectingRegistry createOnly;
  {
    ScopedRegistryApi scope(createOnly);
    createOnly.FailCall(test::RegCall::CreateKeyEx, 1, 1450);
    EXPECT_EQ(1450, SetRegValue(HKEY_CURRENT_USER, key.Path(), L"v", REG_SZ, L"x"));
    EXPECT_EQ(0, createOnly.Count(test::RegCall::SetValueEx)) << "no write without a key";
  }
  EXPECT_EQ(faults.KeysOpened(), faults.KeysClosed());
  EXPECT_EQ(writeOnly.KeysOpened(), writeOnly.KeysClosed());
}

TEST_F(RegistryLayerFaults, DeleteReportsTheLastNonZeroCode) {
  SetRaw(HKEY_CURRENT_USER, key.Path(), L"v", REG_SZ, "x");
  ScopedRegistryApi scope(faults);
  faults.FailCall(test::RegCall::DeleteValue, 1, 5);
  EXPECT_EQ(5, DeleteRegValue(HKEY_CURRENT_USER, key.Path(), L"v"));
  faults.FailCall(test::RegCall::CloseKey, 2, 1450);
  EXPECT_EQ(1450, DeleteRegValue(HKEY_CURRENT_USER, key.Path(), L"v"));
  EXPECT_EQ(faults.KeysOpened(), faults.KeysClosed());
}

TEST_F(RegistryLayerFaults, EnumSubKeysLeavesOutEntriesThatFail) {
  test::CreateKeyPath(HKEY_CURRENT_USER, key.Sub(L"a"));
  test::CreateKeyPath(HKEY_CURRENT_USER, key.Sub(L"b"));
  test::CreateKeyPath(HKEY_CURRENT_USER, key.Sub(L"c"));
  ScopedRegistryApi scope(faults);
  faults.FailCall(test::RegCall::EnumKeyEx, 2, ERROR_NO_MORE_ITEMS);
  long count = 0, status = -1;
  UniqueHkey handle;
  EXPECT_EQ((std::vector<std::wstring>{L"a", L"c"}),
            EnumSubKeys(HKEY_CURRENT_USER, key.Path(), handle, count, status, true));
  EXPECT_EQ(2, count);
  EXPECT_EQ(0, status);

  faults.FailCall(test::RegCall::QueryInfoKey, 2, 1450);
  EXPECT_TRUE(EnumSubKeys(HKEY_CURRENT_USER, key.Path(), handle, count, status, true).empty());
  EXPECT_EQ(1450, status);

  // Any other failure leaves the list short, and the status says so.
  faults.FailCall(test::RegCall::EnumKeyEx, 5, ERROR_ACCESS_DENIED);
  EXPECT_EQ((std::vector<std::wstring>{L"a", L"c"}),
            EnumSubKeys(HKEY_CURRENT_USER, key.Path(), handle, count, status, true));
  EXPECT_EQ(ERROR_ACCESS_DENIED, status);
  EXPECT_EQ(faults.KeysOpened(), faults.KeysClosed());
}

}  // namespace
}  // namespace quav
