// Start-up of quav.exe against its floors, measured from outside: from
// CreateProcess to the list marker in the window title, and on to the window
// painted; then the peak working set. The programs take turns, one round after
// another, so that the machine's load falls on all of them alike. Given
// another quav.exe in QUAV_BENCH_BEFORE (a build from before a change), it
// takes its turns too. Then a scheduled run, started as the Task Scheduler
// starts it, against an empty console program started the same way.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/Report.h"
#include "platform/Handles.h"
#include "support/RegistryFixture.h"
#include "platform/Settings.h"

namespace quav::bench {
namespace {

struct Program {
  std::string name;
  std::wstring exe;
  std::wstring arguments;
};

struct Sample {
  double titleMs = 0;
  double paintedMs = 0;
  double peakMb = 0;
  std::wstring title;
  LRESULT rows = 0;  // in the window's list, when it has one
};

std::wstring ModuleFolder() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path.substr(0, path.find_last_of(L'\\'));
}

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\')); }

std::string Utf8(const std::wstring& text) {
  const int size =
      ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
  return bytes;
}

// Titles of another process's windows come from the server, so reading them
// does not wait for the program to answer.
std::wstring TitleOf(HWND hwnd) {
  wchar_t text[256] = {};
  ::GetWindowTextW(hwnd, text, 256);
  return text;
}

bool HasListMarker(const std::wstring& title) {
  return title.find(L"[WBEM") != std::wstring::npos || title.find(L"无数据") != std::wstring::npos;
}

struct Search {
  DWORD processId;
  HWND found;
};

// Callbacks are named functions: a lambda has the wrong calling convention
// for them on 32-bit Windows.
BOOL CALLBACK MatchMarkedWindow(HWND hwnd, LPARAM lParam) {
  auto* s = reinterpret_cast<Search*>(lParam);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hwnd, &pid);
  if (pid != s->processId || !::IsWindowVisible(hwnd) || !HasListMarker(TitleOf(hwnd))) return TRUE;
  s->found = hwnd;
  return FALSE;
}

HWND MarkedWindow(DWORD processId) {
  Search search{processId, nullptr};
  ::EnumWindows(MatchMarkedWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BOOL CALLBACK CollectShown(HWND child, LPARAM lParam) {
  if (::IsWindowVisible(child)) reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(child);
  return TRUE;
}

// The window and the controls shown in it, once the list is loaded.
std::vector<HWND> ShownWindows(HWND window) {
  std::vector<HWND> windows{window};
  ::EnumChildWindows(window, CollectShown, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

// Whether one of them still waits to be painted.
bool AwaitsPaint(const std::vector<HWND>& windows) {
  for (HWND hwnd : windows) {
    if (::GetUpdateRect(hwnd, nullptr, FALSE)) return true;
  }
  return false;
}

bool Run(const Program& program, Sample& sample) {
  std::wstring commandLine = L"\"" + program.exe + L"\"" + program.arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  const std::wstring folder = FolderOf(program.exe);
  const double start = NowMs();
  if (!::CreateProcessW(program.exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &started)) {
    std::fprintf(stderr, "cannot start %s: error %lu\n", program.name.c_str(), ::GetLastError());
    return false;
  }
  UniqueHandle process(started.hProcess);
  UniqueHandle thread(started.hThread);
  const auto end = [&](bool ok) {
    ::TerminateProcess(process.get(), 0);
    ::WaitForSingleObject(process.get(), 10000);
    return ok;
  };

  HWND window = nullptr;
  while (!(window = MarkedWindow(started.dwProcessId))) {
    if (::WaitForSingleObject(process.get(), 2) == WAIT_OBJECT_0 || NowMs() - start > 30000) {
      std::fprintf(stderr, "%s showed no list marker\n", program.name.c_str());
      return end(false);
    }
  }
  sample.titleMs = NowMs() - start;
  sample.title = TitleOf(window);

  // The program has finished what it was doing once it answers a sent
  // message; then its window and controls paint.
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
  const std::vector<HWND> shown = ShownWindows(window);
  while (AwaitsPaint(shown)) {
    if (::WaitForSingleObject(process.get(), 1) == WAIT_OBJECT_0 || NowMs() - start > 30000) {
      std::fprintf(stderr, "%s did not finish painting\n", program.name.c_str());
      return end(false);
    }
  }
  sample.paintedMs = NowMs() - start;
  if (HWND list = ::FindWindowExW(window, nullptr, WC_LISTVIEWW, nullptr)) {
    ::SendMessageTimeoutW(list, LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, 10000, reinterpret_cast<DWORD_PTR*>(&sample.rows));
  }

  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (::GetProcessMemoryInfo(process.get(), &memory, sizeof memory)) {
    sample.peakMb = static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
  }
  return end(true);
}

// A machine as quav.exe would meet it: one wired adapter with this machine's
// own address and an override, the dial-up and tunnel miniports without a
// connection, a FireWire adapter without a lease, and a loopback adapter with
// a static address. No address here makes a lookup leave the machine.
void SeedAdapters(test::AdapterRegistry& adapters) {
  const auto own = test::FirstOwnInterface();
  const auto guid = [](int i) {
    wchar_t text[40];
    std::swprintf(text, 40, L"{5E1F0C2A-%04X-4B7D-9C1E-0000000000%02X}", i, i);
    return std::wstring(text);
  };
  adapters.AddAdapter(L"0000", L"Intel(R) PRO/1000 MT Network Connection", guid(0), own ? own->address : L"127.0.0.1");
  adapters.SetNetworkAddress(L"0000", L"02004C4F4F50");
  adapters.AddAdapter(L"0001", L"1394 Net Adapter", guid(1), L"0.0.0.0");
  const wchar_t* miniports[] = {L"RAS Async Adapter", L"WAN Miniport (L2TP)", L"WAN Miniport (PPTP)",
                                L"WAN Miniport (PPPOE)", L"Direct Parallel"};
  for (int i = 0; i < 5; ++i) {
    wchar_t subkey[8];
    std::swprintf(subkey, 8, L"%04d", i + 2);
    adapters.AddClass(subkey, miniports[i], guid(i + 2).c_str());
  }
  adapters.AddAdapter(L"0007", L"Microsoft Loopback Adapter", guid(7), L"0.0.0.0");
  adapters.SetStaticAddresses(guid(7), {L"127.0.0.2"});
  adapters.AddConnection(L"Descriptions");
}

// Started with no window, as the Task Scheduler starts a task, and waited
// for: from CreateProcess to its end. Negative when it cannot start.
// What it writes goes to NUL, not into the table.
bool StartQuiet(const std::wstring& exe, const std::wstring& arguments, DWORD flags, PROCESS_INFORMATION& started) {
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  const UniqueHandle nul(::CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                                       OPEN_EXISTING, 0, nullptr));
  std::wstring commandLine = L"\"" + exe + L"\"" + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = startup.hStdError = nul.get();
  const std::wstring folder = FolderOf(exe);
  return ::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW | flags, nullptr,
                          folder.c_str(), &startup, &started) != FALSE;
}

double RunToEnd(const std::wstring& exe, const std::wstring& arguments) {
  PROCESS_INFORMATION started{};
  const double start = NowMs();
  if (!StartQuiet(exe, arguments, 0, started)) return -1;
  UniqueHandle process(started.hProcess);
  UniqueHandle thread(started.hThread);
  ::WaitForSingleObject(process.get(), INFINITE);
  return NowMs() - start;
}

// The DLLs a program loads from start to end, as a debugger is told of
// them, by file name, in the order they load.
std::vector<std::wstring> LoadedDlls(const std::wstring& exe, const std::wstring& arguments) {
  std::vector<std::wstring> names;
  PROCESS_INFORMATION started{};
  if (!StartQuiet(exe, arguments, DEBUG_ONLY_THIS_PROCESS, started)) return names;
  UniqueHandle process(started.hProcess);
  UniqueHandle thread(started.hThread);
  DEBUG_EVENT event{};
  while (::WaitForDebugEvent(&event, 30000)) {
    HANDLE file = nullptr;
    if (event.dwDebugEventCode == LOAD_DLL_DEBUG_EVENT) {
      file = event.u.LoadDll.hFile;
      wchar_t path[MAX_PATH] = {};
      if (::GetMappedFileNameW(process.get(), event.u.LoadDll.lpBaseOfDll, path, MAX_PATH) > 0) {
        const std::wstring whole = path;
        names.push_back(whole.substr(whole.find_last_of(L'\\') + 1));
      }
    }
    if (event.dwDebugEventCode == CREATE_PROCESS_DEBUG_EVENT) file = event.u.CreateProcessInfo.hFile;
    if (file) ::CloseHandle(file);
    const bool ended = event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT;
    const DWORD how = event.dwDebugEventCode == EXCEPTION_DEBUG_EVENT &&
                              event.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT
                          ? DBG_EXCEPTION_NOT_HANDLED
                          : DBG_CONTINUE;
    ::ContinueDebugEvent(event.dwProcessId, event.dwThreadId, how);
    if (ended) break;
  }
  return names;
}

// Those of them that hold window, list-view, WMI or GDI+ code, which a run
// that shows nothing does not need.
std::vector<std::wstring> NotNeeded(const std::vector<std::wstring>& dlls) {
  static const wchar_t* const kShowing[] = {L"user32.dll",   L"gdi32.dll",    L"comctl32.dll", L"gdiplus.dll",
                                            L"wbemprox.dll", L"wbemcomn.dll", L"fastprox.dll", L"wmiutils.dll",
                                            L"uxtheme.dll",  L"winex11.drv"};
  std::vector<std::wstring> found;
  for (const std::wstring& dll : dlls) {
    for (const wchar_t* name : kShowing) {
      if (::lstrcmpiW(dll.c_str(), name) == 0) found.push_back(dll);
    }
  }
  return found;
}

std::string Joined(const std::vector<std::wstring>& names) {
  std::string text;
  for (const std::wstring& name : names) text += (text.empty() ? "" : " ") + Utf8(name);
  return text.empty() ? "none" : text;
}

// A scheduled run that has nothing to do (its adapter is gone) and one that
// changes the address (the restart it asks for fails at once where there is
// no such device, so its wait is not in it), against an empty console
// program, in turns. The DLLs each loads are named in its row.
bool BenchUnattended(const std::wstring& quavExe, const std::wstring& emptyExe, int rounds) {
  struct Started {
    const char* measure;
    std::wstring exe, arguments;
    std::vector<double> ms;
  };
  std::vector<Started> programs = {
      {"floor: empty console program", emptyExe, L"", {}},
      {"quav.exe /run with nothing to do (adapter gone)", quavExe, L" /run 0099 /at connect", {}},
      {"quav.exe /run that changes the address (no restart wait)", quavExe, L" /run 0000 /at wake", {}},
  };
  for (Started& program : programs) {
    if (RunToEnd(program.exe, program.arguments) < 0) {
      std::fprintf(stderr, "cannot start %s\n", program.measure);
      return false;
    }
  }
  for (int round = 0; round < rounds; ++round) {
    for (size_t turn = 0; turn < programs.size(); ++turn) {
      Started& program = programs[(static_cast<size_t>(round) + turn) % programs.size()];
      program.ms.push_back(RunToEnd(program.exe, program.arguments));
    }
  }
  const std::string n = std::to_string(rounds) + " runs";
  const Stats floor = Summarise(programs[0].ms);
  const std::vector<std::wstring> floorDlls = LoadedDlls(emptyExe, L"");
  Print(Row("unattended", std::string(programs[0].measure) + " (loads " + Joined(floorDlls) + ")", n, floor.median,
            "ms", SpreadOf(floor)));
  for (size_t i = 1; i < programs.size(); ++i) {
    const Stats stats = Summarise(programs[i].ms);
    const std::vector<std::wstring> dlls = LoadedDlls(programs[i].exe, programs[i].arguments);
    Row row("unattended", std::string(programs[i].measure) + " (loads " + Joined(dlls) + ")", n, stats.median, "ms",
            SpreadOf(stats));
    row.floor = "empty console program";
    row.floorValue = floor.median;
    row.ratio = PairedRatio(programs[i].ms, programs[0].ms);
    if (i == 1) row.target = "<=1.5";
    Print(row);
    const std::vector<std::wstring> showing = NotNeeded(dlls);
    Row loads("unattended", "  of which window / list-view / WMI / GDI+ DLLs: " + Joined(showing), "",
              static_cast<double>(showing.size()), "DLLs");
    if (i == 1) loads.target = "<1";
    Print(loads);
  }
  return true;
}

std::vector<double> Column(const std::vector<Sample>& samples, double Sample::*field) {
  std::vector<double> values;
  for (const Sample& sample : samples) values.push_back(sample.*field);
  return values;
}

}  // namespace
}  // namespace quav::bench

// "seed SECONDS": the prefix as the rounds meet it, for that long, while a
// profiler starts the programs (bench/profile.sh). Otherwise: the rounds.
int main(int argc, char** argv) {
  using namespace quav::bench;
  if (argc > 2 && std::strcmp(argv[1], "seed") == 0) {
    quav::test::AdapterRegistry adapters;
    SeedAdapters(adapters);
    quav::test::SetText(HKEY_CURRENT_USER, quav::kSettingsKey, quav::kAgreementValue, L"1");
    std::printf("seeded\n");
    std::fflush(stdout);
    ::Sleep(static_cast<DWORD>(std::atoi(argv[2])) * 1000);
    return 0;
  }
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 15;
  const std::wstring here = ModuleFolder();
  const std::wstring floorExe = here + L"\\bench_floor.exe";
  std::vector<Program> programs = {
      {"quav.exe", FolderOf(here) + L"\\src\\quav.exe", L""},
      {"floor a", floorExe, L""},
      {"floor b", floorExe, L" wmi"},
      {"floor b, moniker", floorExe, L" moniker"},
      {"floor c", floorExe, L" window"},
  };
  constexpr size_t kQuav = 0, kFloorA = 1, kFloorB = 2, kMoniker = 3, kFloorC = 4, kBefore = 5;
  wchar_t before[MAX_PATH] = {};
  if (::GetEnvironmentVariableW(L"QUAV_BENCH_BEFORE", before, MAX_PATH)) {
    programs.push_back({"quav.exe before", before, L""});
  }

  quav::test::AdapterRegistry adapters;
  SeedAdapters(adapters);
  quav::test::SetText(HKEY_CURRENT_USER, quav::kSettingsKey, quav::kAgreementValue, L"1");

  // One start each first: Wine maps the DLLs and fonts once per prefix.
  // Floor c lists as many rows as quav.exe does.
  std::vector<std::vector<Sample>> samples(programs.size());
  for (Program& program : programs) {
    Sample warm;
    if (!Run(program, warm)) return 1;
    if (&program == &programs[kQuav]) programs[kFloorC].arguments += L" " + std::to_wstring(warm.rows);
  }
  for (int round = 0; round < rounds; ++round) {
    for (size_t turn = 0; turn < programs.size(); ++turn) {
      const size_t which = (static_cast<size_t>(round) + turn) % programs.size();
      Sample sample;
      if (!Run(programs[which], sample)) return 1;
      samples[which].push_back(sample);
    }
  }

  const std::string n = std::to_string(rounds) + " runs";
  const auto line = [&](const char* section, size_t program, double Sample::*field, const char* measure,
                        const char* unit) {
    const Stats stats = Summarise(Column(samples[program], field));
    return Row(section, measure, n, stats.median, unit, SpreadOf(stats));
  };
  const auto against = [&](Row row, size_t program, size_t floor, double Sample::*field, const char* name) {
    row.floor = name;
    row.floorValue = Summarise(Column(samples[floor], field)).median;
    row.ratio = PairedRatio(Column(samples[program], field), Column(samples[floor], field));
    return row;
  };
  Print(line("start-up", kFloorA, &Sample::titleMs, "floor a: window shown (title)", "ms"));
  Print(line("start-up", kFloorA, &Sample::paintedMs, "floor a: window shown and painted", "ms"));
  Print(line("start-up", kFloorB, &Sample::titleMs, "floor b: WMI query then window (title)", "ms"));
  Print(line("start-up", kFloorB, &Sample::paintedMs, "floor b: WMI query then window painted", "ms"));
  Print(against(line("start-up", kMoniker, &Sample::paintedMs, "floor b through the scripting moniker", "ms"),
                kMoniker, kFloorB, &Sample::paintedMs, "floor b"));
  Print(line("start-up", kFloorC, &Sample::titleMs, "floor c: designed window and WMI query (title)", "ms"));
  Print(line("start-up", kFloorC, &Sample::paintedMs, "floor c: designed window and WMI query painted", "ms"));
  Print(against(line("start-up", kQuav, &Sample::titleMs, "quav.exe: list loaded (title marker)", "ms"), kQuav,
                kFloorB, &Sample::titleMs, "floor b"));
  Print(against(line("start-up", kQuav, &Sample::paintedMs, "quav.exe: list loaded and painted", "ms"), kQuav, kFloorA,
                &Sample::paintedMs, "floor a"));
  Print(against(line("start-up", kQuav, &Sample::paintedMs, "quav.exe: list loaded and painted", "ms"), kQuav, kFloorB,
                &Sample::paintedMs, "floor b"));
  Row startup = against(line("start-up", kQuav, &Sample::paintedMs, "quav.exe: list loaded and painted", "ms"), kQuav,
                        kFloorC, &Sample::paintedMs, "floor c");
  startup.target = "<=1.05";
  Print(startup);
  std::vector<double> share;
  for (size_t round = 0; round < samples[kQuav].size(); ++round) {
    share.push_back(samples[kQuav][round].paintedMs - samples[kFloorC][round].paintedMs);
  }
  const Stats shareStats = Summarise(share);
  Print(Row("start-up", "scan share: quav.exe less floor c", n, shareStats.median, "ms", SpreadOf(shareStats)));
  if (programs.size() > kBefore) {
    Print(line("start-up", kBefore, &Sample::paintedMs, "quav.exe before: list loaded and painted", "ms"));
    Print(against(line("start-up", kQuav, &Sample::paintedMs, "quav.exe: list loaded and painted", "ms"), kQuav,
                  kBefore, &Sample::paintedMs, "quav.exe before"));
  }

  Print(line("resources", kFloorA, &Sample::peakMb, "peak working set: floor a", "MB"));
  Print(line("resources", kFloorB, &Sample::peakMb, "peak working set: floor b", "MB"));
  Print(line("resources", kFloorC, &Sample::peakMb, "peak working set: floor c", "MB"));
  // No bound against floor b: what lies between it and quav.exe is floor c's
  // designed window, which floor c's bound below measures against.
  Print(against(line("resources", kQuav, &Sample::peakMb, "peak working set: quav.exe (list loaded)", "MB"), kQuav,
                kFloorB, &Sample::peakMb, "floor b"));
  Row peakC = against(line("resources", kQuav, &Sample::peakMb, "peak working set: quav.exe (list loaded)", "MB"),
                      kQuav, kFloorC, &Sample::peakMb, "floor c");
  peakC.target = "<=floor+1MB";
  peakC.result = peakC.value <= peakC.floorValue + 1.0 ? "met" : "MISSED";
  Print(peakC);
  if (programs.size() > kBefore) {
    Print(against(line("resources", kQuav, &Sample::peakMb, "peak working set: quav.exe (list loaded)", "MB"), kQuav,
                  kBefore, &Sample::peakMb, "quav.exe before"));
  }

  WIN32_FILE_ATTRIBUTE_DATA file{};
  if (::GetFileAttributesExW(programs[kQuav].exe.c_str(), GetFileExInfoStandard, &file)) {
    Row size("resources", "size of quav.exe (x64; the one make test and make dist build)", "", static_cast<double>(file.nFileSizeLow) / 1024.0, "KB");
    size.target = "<1280";
    Print(size);
  }
  if (!BenchUnattended(programs[kQuav].exe, here + L"\\bench_empty.exe", rounds)) return 1;
  std::printf("# quav.exe's title once loaded: %s (%ld rows; floor c lists as many)\n",
              Utf8(samples[kQuav].back().title).c_str(), static_cast<long>(samples[kQuav].back().rows));
  std::printf("# floor b's title (instances walked): %s\n", Utf8(samples[kFloorB].back().title).c_str());
  std::printf("# floor b through the moniker: %s\n", Utf8(samples[kMoniker].back().title).c_str());
  if (programs.size() > kBefore) std::printf("# quav.exe before: %s\n", Utf8(before).c_str());
  return 0;
}
