#include "platform/DllSearch.h"

#include <gtest/gtest.h>

namespace quav {
namespace {

TEST(DllSearch, SystemDllsComeFromTheSystemFolderByFullPath) {
  const std::wstring system = L"C:\\WINDOWS\\system32";
  EXPECT_EQ(L"C:\\WINDOWS\\system32\\iphlpapi.dll", SystemDllPath(system, "iphlpapi.dll", true));
  EXPECT_EQ(L"C:\\WINDOWS\\system32\\user32.dll", SystemDllPath(system + L"\\", "user32.dll", true));
  EXPECT_EQ(L"COMCTL32.dll", SystemDllPath(system, "COMCTL32.dll", true)) << "the side-by-side store's";
  EXPECT_EQ(L"C:\\WINDOWS\\system32\\comctl32.dll", SystemDllPath(system, "comctl32.dll", false)) << "Windows 2000";
  for (const char* name : {"", "..", "..\\user32.dll", "C:user32.dll", "sub/user32.dll"}) {
    EXPECT_EQ(L"", SystemDllPath(system, name, true)) << name;
  }
  EXPECT_EQ(L"", SystemDllPath(L"", "iphlpapi.dll", true)) << "no system folder: nothing";
}

}  // namespace
}  // namespace quav
