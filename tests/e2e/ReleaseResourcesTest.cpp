// What Windows reads from the built quav.exe without running it: the version
// resource, the manifest, the icon and the pictures, all from the one project
// version.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "QuavVersion.h"
#include "e2e/QuavApp.h"
#include "ui/Resources.h"

namespace quav::e2e {
namespace {

std::wstring Widen(const char* text) { return std::wstring(text, text + strlen(text)); }

class ReleaseResources : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::wstring exe = BuiltQuavExe();
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    ASSERT_NE(0u, size) << "no version resource";
    info.resize(size);
    ASSERT_TRUE(::GetFileVersionInfoW(exe.c_str(), 0, size, info.data()));
  }

  std::wstring Text(const wchar_t* name) {
    const std::wstring path = std::wstring(L"\\StringFileInfo\\080404b0\\") + name;
    void* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(info.data(), path.c_str(), &value, &length) || !value) return L"<missing>";
    return static_cast<const wchar_t*>(value);
  }

  std::vector<BYTE> info;
};

TEST_F(ReleaseResources, VersionNumbersAreTheProjectVersion) {
  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueW(info.data(), L"\\", &value, &length));
  ASSERT_EQ(sizeof(VS_FIXEDFILEINFO), length);
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
  const DWORD high = MAKELONG(QUAV_VERSION_MINOR, QUAV_VERSION_MAJOR);
  const DWORD low = MAKELONG(0, QUAV_VERSION_REVISION);
  EXPECT_EQ(high, fixed->dwFileVersionMS);
  EXPECT_EQ(low, fixed->dwFileVersionLS);
  EXPECT_EQ(high, fixed->dwProductVersionMS);
  EXPECT_EQ(low, fixed->dwProductVersionLS);
  EXPECT_EQ(static_cast<DWORD>(VFT_APP), fixed->dwFileType);
}

TEST_F(ReleaseResources, NamesTheProductAndItsMaker) {
  EXPECT_EQ(L"QUAV", Text(L"ProductName"));
  EXPECT_EQ(L"ORV", Text(L"CompanyName"));
  EXPECT_EQ(L"QUAV MAC address changer", Text(L"FileDescription"));
  EXPECT_EQ(Widen(QUAV_VERSION_TEXT), Text(L"FileVersion"));
  EXPECT_EQ(Widen(QUAV_VERSION_TEXT), Text(L"ProductVersion"));
  EXPECT_EQ(L"quav.exe", Text(L"OriginalFilename"));
  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", &value, &length));
  ASSERT_EQ(8u, length);
  EXPECT_EQ(0x0804, static_cast<const WORD*>(value)[0]) << "Chinese (Simplified)";
  EXPECT_EQ(1200, static_cast<const WORD*>(value)[1]) << "Unicode";
  const auto* english = static_cast<const WORD*>(value) + 2;
  EXPECT_EQ((std::vector<WORD>{0x0409, 1200}), std::vector<WORD>(english, english + 2)) << "English, Unicode";
}

TEST(ReleaseResourcesEmbedded, ManifestIconAndPictures) {
  HMODULE module = ::LoadLibraryExW(BuiltQuavExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_TRUE(module);
  HRSRC manifest = ::FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST);
  ASSERT_TRUE(manifest) << "no manifest";
  const char* bytes = static_cast<const char*>(::LockResource(::LoadResource(module, manifest)));
  const std::string text(bytes, ::SizeofResource(module, manifest));
  EXPECT_NE(std::string::npos, text.find(std::string("version=\"") + QUAV_VERSION_TEXT + ".0\"")) << text;
  EXPECT_NE(std::string::npos, text.find("requireAdministrator"));
  EXPECT_TRUE(::FindResourceW(module, MAKEINTRESOURCEW(IDI_QUAV), RT_GROUP_ICON)) << "no icon";
  for (int picture : {IDB_LOGO, IDB_LOGO_HIGHLIGHT, IDB_CLEAR, IDB_COPY_ARROW, IDB_ARROW})
    EXPECT_TRUE(::FindResourceW(module, MAKEINTRESOURCEW(picture), RT_BITMAP)) << picture;
  ::FreeLibrary(module);
}

}  // namespace
}  // namespace quav::e2e
