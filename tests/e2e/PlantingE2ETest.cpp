// The program runs elevated: a DLL placed in its folder under the name of
// one it loads must never be loaded in its stead. Each name is planted alone,
// with Wine told to prefer the planted copy over its own builtin (through its
// per-program settings: a child's WINEDLLOVERRIDES is its parent's).
#include <windows.h>

#include "e2e/E2EFixture.h"

namespace quav::e2e {
namespace {

constexpr wchar_t kGuid[] = L"{AAAAAAAA-0000-0000-0000-000000000001}";
constexpr wchar_t kOverrides[] = L"Software\\Wine\\AppDefaults\\quav.exe\\DllOverrides";

// DLLs Windows does not protect that the program or the system DLLs it uses
// load, and the ones Wine does not protect although Windows does.
constexpr const wchar_t* kPlanted[] = {
    L"iphlpapi", L"version",  L"uxtheme",  L"dwmapi",   L"winnsi",  L"cryptbase", L"propsys",
    L"dhcpcsvc", L"winmm",    L"profapi",  L"userenv",  L"netapi32", L"setupapi", L"ws2_32",
    L"imm32",    L"comctl32", L"shell32",  L"ole32",    L"oleaut32",
};

// The probe DLLs the build makes beside the test programs, one per name.
std::wstring ProbeFolder() {
  wchar_t path[MAX_PATH] = {};
  const std::wstring self(path, ::GetModuleFileNameW(nullptr, path, MAX_PATH));
  return self.substr(0, self.find_last_of(L'\\')) + L"\\probes";
}

// An adapter with this machine's address, so that the scan resolves its
// hardware address and the restart looks for its device.
class Planting : public E2E {
 protected:
  void SetUp() override {
    E2E::SetUp();
    const std::optional<test::OwnInterface> own = test::FirstOwnInterface();
    ASSERT_TRUE(own);
    adapters.AddAdapter(L"0004", L"Intel(R) PRO/1000 MT", kGuid, own->address);
  }

  // A run of the program with the probe planted as name.dll beside it:
  // whether the probe was loaded.
  bool Planted(const std::wstring& name, const std::function<void(QuavApp&)>& use) {
    app = std::make_unique<QuavApp>(TestName() + L"." + name);
    const std::wstring dll = app->Folder() + L"\\" + name + L".dll";
    EXPECT_TRUE(::CopyFileW((ProbeFolder() + L"\\" + name + L".dll").c_str(), dll.c_str(), FALSE)) << "no probe";
    test::SetText(HKEY_CURRENT_USER, kOverrides, name, L"native,builtin");
    use(*app);
    app->Kill();
    test::DeleteTree(HKEY_CURRENT_USER, kOverrides);
    const bool loaded = ::GetFileAttributesW((dll + L".loaded").c_str()) != INVALID_FILE_ATTRIBUTES;
    app.reset();
    return loaded;
  }
};

// The control: a program that loads a DLL by bare name, run as quav.exe with
// the same override, loads the probe; else the checks below prove nothing.
TEST_F(Planting, AProgramLoadingByBareNameLoadsTheProbe) {
  EXPECT_TRUE(Planted(L"version", [](QuavApp& quav) {
    ASSERT_TRUE(::CopyFileW((ProbeFolder() + L"\\bare_name_loader.exe").c_str(),
                            (quav.Folder() + L"\\quav.exe").c_str(), FALSE));
    EXPECT_EQ(0u, quav.Run(L"version.dll").exitCode) << "the probe did not load";
  }));
}

TEST_F(Planting, TheCommandLineLoadsNoPlantedDll) {
  for (const wchar_t* name : kPlanted) {
    EXPECT_FALSE(Planted(name, [](QuavApp& quav) {
      quav.Run(L"/list");
      quav.Run(L"/restart 0004");
    })) << "loaded " << std::string(name, name + wcslen(name)) << ".dll from the program's folder";
  }
}

TEST_F(Planting, TheWindowLoadsNoPlantedDll) {
  for (const wchar_t* name : kPlanted) {
    EXPECT_FALSE(Planted(name, [](QuavApp& quav) {
      quav.Start();
      EXPECT_TRUE(quav.WaitForMainWindow());
      EXPECT_TRUE(quav.WaitForListLoaded());
    })) << "loaded " << std::string(name, name + wcslen(name)) << ".dll from the program's folder";
  }
}

// A DLL or function this Windows lacks at first use is named, and the
// program ends with the unexpected-error code instead of dying without a
// word; a DLL of the missing name beside the program is not loaded instead.
TEST(MissingImport, IsNamedAndNeverLoadedByBareName) {
  QuavApp app(L"MissingImport");
  ASSERT_TRUE(::CopyFileW((ProbeFolder() + L"\\missing-import.exe").c_str(), (app.Folder() + L"\\quav.exe").c_str(),
                          FALSE));
  const std::wstring planted = app.Folder() + L"\\quav-absent.dll";
  ASSERT_TRUE(::CopyFileW((ProbeFolder() + L"\\version.dll").c_str(), planted.c_str(), FALSE));

  const ConsoleRun dll = app.Run(L"console");
  EXPECT_EQ(15u, dll.exitCode);
  EXPECT_NE(std::string::npos, dll.output.find("quav-absent.dll")) << dll.output;
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW((planted + L".loaded").c_str())) << "loaded by bare name";

  const ConsoleRun function = app.Run(L"console function");
  EXPECT_EQ(15u, function.exitCode);
  EXPECT_NE(std::string::npos, function.output.find("version.dll")) << function.output;
  EXPECT_NE(std::string::npos, function.output.find("QuavAbsentInVersion")) << function.output;

  app.Start();
  const std::optional<Dialog> box = app.WaitForDialog(L"QUAV");
  ASSERT_TRUE(box) << "the window's way: a message box";
  EXPECT_NE(std::wstring::npos, box->text.find(L"quav-absent.dll")) << "in the box";
  app.PressDialogButton(box->hwnd, IDOK);
  EXPECT_TRUE(app.WaitForExit());
  EXPECT_EQ(15u, app.ExitCode());
}

}  // namespace
}  // namespace quav::e2e
