// The DLLs Windows does not protect are the program's delay imports: the
// first call into one loads it here, from the system folder by full path,
// never from the program's folder or the current folder.
#include "DelayLoadHook.h"

#include <windows.h>
#include <delayimp.h>

#include <atomic>
#include <string>
#include <string_view>

#include "AppVersion.h"
#include "cli/CommandLine.h"
#include "platform/DllSearch.h"
#include "platform/Texts.h"

namespace {

quav::ConsoleOutput* console = nullptr;
std::atomic_flag ending = ATOMIC_FLAG_INIT;

std::wstring Widened(std::string_view name) { return std::wstring(name.begin(), name.end()); }

// The DLL, or the function of it, that is missing.
std::wstring MissingImportText(const DelayLoadInfo& info, bool dllMissing) {
  const std::wstring dll = info.szDll ? Widened(info.szDll) : L"?";
  if (dllMissing) return quav::Say(quav::TextId::MissingDll, {dll});
  if (!info.dlp.fImportByName) return quav::Say(quav::TextId::MissingOrdinal, {dll, std::to_wstring(info.dlp.dwOrdinal)});
  return quav::Say(quav::TextId::MissingFunction, {dll, Widened(info.dlp.szProcName)});
}

// Tells the user once and ends the program: a second failure while telling
// (a message box needs user32, itself a delay import) only ends it.
[[noreturn]] void EndForMissingImport(const DelayLoadInfo& info, bool dllMissing) {
  if (!ending.test_and_set()) {
    const std::wstring text = MissingImportText(info, dllMissing);
    if (console) {
      console->Write(text + L"\n");
    } else {
      ::MessageBoxW(nullptr, text.c_str(), quav::kAppTitle, MB_OK | MB_ICONERROR | MB_TASKMODAL);
    }
  }
  ::ExitProcess(static_cast<UINT>(quav::ExitCode::Unexpected));
}

FARPROC WINAPI LoadDelayImport(unsigned note, PDelayLoadInfo info) {
  if (note != dliNotePreLoadLibrary || !info) return nullptr;
  if (info->szDll) {
    if (HMODULE module = quav::LoadSystemDll(info->szDll)) return reinterpret_cast<FARPROC>(module);
  }
  // Null would make the helper load the DLL by bare name, which on older
  // Windows searches the program's folder first.
  EndForMissingImport(*info, true);
}

FARPROC WINAPI FailDelayImport(unsigned note, PDelayLoadInfo info) {
  if ((note != dliFailLoadLib && note != dliFailGetProc) || !info) return nullptr;
  EndForMissingImport(*info, note == dliFailLoadLib);
}

}  // namespace

namespace quav {

void TellMissingImportsOn(ConsoleOutput& out) { console = &out; }

}  // namespace quav

// Declared extern "C" by delayimp.h: the helper calls the first before each
// load, the second when a DLL or function is missing.
PfnDliHook __pfnDliNotifyHook2 = LoadDelayImport;
PfnDliHook __pfnDliFailureHook2 = FailDelayImport;
