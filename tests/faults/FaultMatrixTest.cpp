// The main window under faults, one at a time: each registry call a user
// action makes fails in turn with 2, 5 and 1450; each step of the WMI walk
// fails in turn; the change log is held by another program. Every case must
// end without a crash or a hang, leave the window usable once the fault has
// gone, and keep the registry, the list's "伪装" column, the spoofed-address
// label and the change log telling one story.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "adapters/AdapterKeys.h"
#include "platform/ErrorReporter.h"
#include "adapters/FakeLookup.h"
#include "ui/main/FillAdapterList.h"
#include "platform/Handles.h"
#include "platform/RegistryApi.h"
#include "platform/TextRules.h"
#include "support/FakeServices.h"
#include "support/FakeWmi.h"
#include "support/FaultInjectingRegistry.h"
#include "support/Files.h"
#include "support/RegistryFixture.h"
#include "support/ScratchFolder.h"
#include "ui/main/MacText.h"
#include "platform/Settings.h"
#include "ui/main/StartupRules.h"
#include "ui/main/frmMainControls.h"

namespace quav {
namespace {

using namespace frmMainControls;
using namespace std::chrono_literals;

constexpr LONG kCodes[] = {ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_NO_SYSTEM_RESOURCES};
constexpr wchar_t kGuidA[] = L"{AAAAAAAA-0000-0000-0000-000000000001}";
constexpr wchar_t kGuidB[] = L"{BBBBBBBB-0000-0000-0000-000000000002}";
constexpr wchar_t kGuidC[] = L"{CCCCCCCC-0000-0000-0000-000000000003}";
// What the window is asked to store, and what it stores once the fault has gone.
constexpr wchar_t kNewAddress[] = L"0212345678AB";
constexpr wchar_t kRecoveryAddress[] = L"020E0D0C0B0A";
constexpr auto kCaseBudget = 60s;

std::string Narrow(const std::wstring& text) {
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                         nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
  return out;
}

std::wstring Dashed(const std::wstring& joined) { return FormatMacText(joined, false).display; }

// --- The tally, and what reports crashes and hangs before the process goes.

struct Tally {
  std::string scenario;
  int cases = 0;
  int crashes = 0;
  int hangs = 0;
  int disagreements = 0;

  void Print() const {
    std::printf("== Fault matrix, %s: %d cases, %d crashes, %d hangs, %d disagreements\n", scenario.c_str(), cases,
                crashes, hangs, disagreements);
    std::fflush(stdout);
  }
};

Tally* g_tally = nullptr;
std::string g_case;  // the case running now

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* info) {
  std::printf("== Fault matrix: CRASH (exception 0x%08lX) in %s\n", info->ExceptionRecord->ExceptionCode,
              g_case.c_str());
  if (g_tally) {
    ++g_tally->crashes;
    g_tally->Print();
  }
  return EXCEPTION_EXECUTE_HANDLER;
}

// Ends the process with a report when a case runs past its budget.
class Watchdog {
 public:
  Watchdog() : thread_([this] { Run(); }) {}
  ~Watchdog() {
    {
      std::lock_guard lock(mutex_);
      stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
  }
  void Arm() {
    std::lock_guard lock(mutex_);
    deadline_ = std::chrono::steady_clock::now() + kCaseBudget;
    armed_ = true;
  }
  void Disarm() {
    std::lock_guard lock(mutex_);
    armed_ = false;
  }

 private:
  void Run() {
    std::unique_lock lock(mutex_);
    while (!stop_) {
      wake_.wait_for(lock, 200ms);
      if (armed_ && std::chrono::steady_clock::now() > deadline_) {
        std::printf("== Fault matrix: HANG (over %lld s) in %s\n", static_cast<long long>(kCaseBudget.count()),
                    g_case.c_str());
        if (g_tally) {
          ++g_tally->hangs;
          g_tally->Print();
        }
        std::fflush(stdout);
        ::TerminateProcess(::GetCurrentProcess(), 3);
      }
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
  bool armed_ = false;
  std::chrono::steady_clock::time_point deadline_;
  std::thread thread_;
};

// Runs a step under the watchdog. An exception escaping it would have ended
// the real program (it would leave a window procedure): a crash.
bool Guarded(Watchdog& watchdog, const std::function<void()>& step) {
  watchdog.Arm();
  std::string escaped;
  try {
    step();
  } catch (const std::exception& e) {
    escaped = e.what();
  } catch (...) {
    escaped = "an exception";
  }
  watchdog.Disarm();
  if (escaped.empty()) return true;
  std::printf("== Fault matrix: CRASH (%s escaped) in %s\n", escaped.c_str(), g_case.c_str());
  if (g_tally) ++g_tally->crashes;
  return false;
}

// --- The registry as it stands.

// The adapter keys, the settings key, and the values right under
// SYSTEM\CurrentControlSet (where the rights probe writes).
using Snapshot = test::RegistrySnapshot;

Snapshot TakeSnapshot() {
  Snapshot snapshot = test::AdapterRegistry::Snapshot();
  test::AddToSnapshot(HKEY_CURRENT_USER, L"SOFTWARE\\ORV", snapshot);
  test::AddToSnapshot(HKEY_LOCAL_MACHINE, kRightsProbeKey, snapshot, false);
  return snapshot;
}

std::wstring OverrideEntry(const std::wstring& adapter) {
  return test::SnapshotEntry(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(adapter),
                             std::wstring(kNetworkAddressValue));
}

bool IsText(const std::optional<test::RawValue>& value, const std::wstring& text) {
  if (!value || value->type != REG_SZ) return false;
  std::wstring stored = test::StoredText(*value);
  while (!stored.empty() && stored.back() == L'\0') stored.pop_back();
  return stored == text;
}

// The overriding address stored for an adapter: its text, or none when the
// value is missing or empty.
std::optional<std::wstring> StoredOverride(const std::wstring& adapter) {
  const std::wstring text = test::StoredString(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(adapter),
                                              std::wstring(kNetworkAddressValue));
  if (text.empty() || text == L"<missing>") return std::nullopt;
  return text;
}

// --- One case's machine and window.

// Takes the registry pass's error boxes, which would wait for a click.
class RecordingReporter final : public ErrorReporter {
 public:
  void Report(const std::wstring& text) override { reports.push_back(text); }
  std::vector<std::wstring> reports;
};

struct Scenario;

// A machine with three adapters (0000 active with an override, 0001 active
// without one, 0002 inactive with one), the main window created over it and
// its surroundings faked; the log in a scratch folder.
class Bench {
 public:
  explicit Bench(const Scenario& scenario);
  ~Bench() { test::DeleteTree(HKEY_CURRENT_USER, L"SOFTWARE\\ORV"); }
  Bench(const Bench&) = delete;
  Bench& operator=(const Bench&) = delete;

  void StartUp() {
    form.Form_Load();
    form.Form_Activate();
  }
  long RowOf(const std::wstring& adapter) const {
    for (long row = 1; row <= form.lvwNIC.Count(); ++row) {
      if (form.lvwNIC.Text(row) == adapter) return row;
    }
    return 0;
  }
  // As the user selects a row: the list control's selection changes and
  // tells the window.
  void Select(const std::wstring& adapter) { form.lvwNIC.SetSelected(RowOf(adapter), true); }
  void Type(const std::wstring& joined) {
    for (int k = 0; k < 6; ++k) form.SetTxtMAC(k, joined.substr(static_cast<size_t>(2 * k), 2));
  }
  std::wstring LogPath() const { return folder.Path() + L"\\QUAV.log"; }
  std::string Log() const { return test::FileBytes(LogPath()); }

  test::AdapterRegistry adapters;
  test::ScratchFolder folder;
  test::FakeHost host;
  test::FakeWindows windows;
  test::FakeLookup lookup;
  RecordingReporter reports;
  test::FakeWmi wmi;
  frmMain form;
  std::wstring target;  // the adapter an update or removal is meant for
};

enum class Effect { None, StartUp, Update, Removal };

struct Scenario {
  std::string name;
  bool termsAccepted = true;
  bool wmiAnswers = false;
  Effect effect = Effect::None;
  std::function<void(Bench&)> prepare;
  std::function<void(Bench&)> action;
  bool lockLog = false;  // add a case with the log held by another program
};

Bench::Bench(const Scenario& scenario)
    : form(MainWindowServices{host, windows, ScanServices{&wmi, &lookup, &reports}, folder.Path()}) {
  test::DeleteTree(HKEY_CURRENT_USER, L"SOFTWARE\\ORV");
  if (scenario.termsAccepted) test::SetText(HKEY_CURRENT_USER, kSettingsKey, kAgreementValue, L"1");
  adapters.AddConnection(L"Descriptions");
  adapters.AddAdapter(L"0000", L"Adapter A", kGuidA, L"192.168.10.20");
  adapters.SetNetworkAddress(L"0000", L"00AABBCCDDEE");
  adapters.AddAdapter(L"0001", L"Adapter B", kGuidB, L"192.168.10.21");
  adapters.AddAdapter(L"0002", L"Adapter C", kGuidC, L"0.0.0.0");
  adapters.SetNetworkAddress(L"0002", L"02BBCCDDEEFF");
  lookup.Answer("192.168.10.20", {0x00, 0x0C, 0x29, 0x3A, 0x4B, 0x5C});
  lookup.Answer("192.168.10.21", {0x00, 0x0C, 0x29, 0x3A, 0x4B, 0x5D});
  if (scenario.wmiAnswers) {
    using namespace test;
    wmi.instances = {
        WmiAdapter(0, WmiBool(true), L"Adapter A", WmiTexts({L"192.168.10.20"}), WmiText(L"00:0C:29:3A:4B:5C")),
        WmiAdapter(1, WmiBool(true), L"Adapter B", WmiTexts({L"192.168.10.21"}), WmiText(L"00:0C:29:3A:4B:5D")),
        WmiAdapter(2, WmiBool(false), L"Adapter C", WmiTexts({L""}), WmiNull()),
    };
  } else {
    wmi.openFails = true;
  }
  // A user who ticks the notice's box and accepts the terms whenever asked.
  windows.onAgreement = [] { return true; };
  windows.onNotification = [] { return NotificationChoice{true, false}; };
  test::InitControls();
  form.Create();
}

// --- What must hold after a case.

struct Before {
  Snapshot registry;
  std::string log;
  size_t messages = 0;
};

std::vector<std::wstring> LogLines(const std::string& bytes) {
  std::vector<std::wstring> lines;
  size_t start = 0;
  for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    const std::string line = bytes.substr(start, end - start);
    std::wstring wide(line.size(), L'\0');
    wide.resize(static_cast<size_t>(::MultiByteToWideChar(CP_ACP, 0, line.data(), static_cast<int>(line.size()),
                                                          wide.data(), static_cast<int>(wide.size()))));
    lines.push_back(wide);
  }
  return lines;
}

// Nothing claims an override the registry does not hold.
void CheckClaims(Bench& bench, std::vector<std::string>& problems) {
  frmMain& form = bench.form;
  for (long row = 1; row <= form.lvwNIC.Count(); ++row) {
    const std::wstring id = form.lvwNIC.Text(row);
    if (form.lvwNIC.SubItem(row, 2) == L"是" && !StoredOverride(id)) {
      problems.push_back("row " + Narrow(id) + " says 是 but no override is stored");
    }
  }
  const std::wstring label = Trimmed(form.Text(lblSpoofedMAC));
  if (!label.empty()) {
    const auto stored = StoredOverride(form.SelectedAdapterIndex);
    if (!stored || Dashed(*stored) != label) {
      problems.push_back("lblSpoofedMAC shows " + Narrow(label) + " but " + Narrow(form.SelectedAdapterIndex) +
                         " holds " + (stored ? Narrow(*stored) : "nothing"));
    }
  }
  const long selected = form.lvwNIC.SelectedPosition();
  if (selected > 0 && Trimmed(form.lvwNIC.Text(selected)) != form.SelectedAdapterIndex) {
    problems.push_back("row " + Narrow(form.lvwNIC.Text(selected)) + " is selected but the window works on " +
                       Narrow(form.SelectedAdapterIndex));
  }
}

// The values nobody meant to touch are as they were; the probe left nothing
// (unless its own deletion was what failed).
void CheckUntouched(const Scenario& scenario, const Bench& bench, const Snapshot& before, const Snapshot& after,
                    bool probeDeletionFailed, std::vector<std::string>& problems) {
  const std::wstring probe = test::SnapshotEntry(HKEY_LOCAL_MACHINE, kRightsProbeKey, kRightsProbeValue);
  if (after.count(probe) && !probeDeletionFailed) problems.push_back("the rights probe's Access value was left behind");
  const std::wstring settings = L"HKCU\\SOFTWARE\\ORV";
  for (const std::wstring& name : test::ChangedEntries(before, after)) {
    if (name == probe) continue;
    const auto is = after.find(name);
    const std::optional<test::RawValue> now = is == after.end() ? std::nullopt : std::optional(is->second);
    bool allowed = false;
    if (scenario.effect == Effect::Update) {
      allowed = (name == OverrideEntry(bench.target) && IsText(now, kNewAddress)) ||
                (name == test::SnapshotEntry(HKEY_CURRENT_USER, kSettingsKey, kHideNotifyValue) &&
                 IsText(now, bench.form.HideNotify ? L"1" : L"0"));
    } else if (scenario.effect == Effect::Removal) {
      allowed = name == OverrideEntry(bench.target) && !now;
    } else if (scenario.effect == Effect::StartUp) {
      allowed = (name == test::SnapshotEntry(HKEY_CURRENT_USER, kSettingsKey, kAgreementValue) && IsText(now, L"1")) ||
                (now && name.back() == L'\\' && name.rfind(settings, 0) == 0);
    }
    if (!allowed) problems.push_back("registry entry changed: " + Narrow(name));
  }
}

// A change the registry shows is shown and logged; one it does not show is
// reported, not logged.
void CheckEffect(const Scenario& scenario, Bench& bench, const Before& before, bool logLocked,
                 std::vector<std::string>& problems) {
  const std::string log = bench.Log();
  if (log.compare(0, before.log.size(), before.log) != 0) problems.push_back("the log lost what it held");
  const std::vector<std::wstring> lines =
      LogLines(log.size() >= before.log.size() ? log.substr(before.log.size()) : std::string());
  const auto& messages = bench.host.messages;
  const size_t newMessages = messages.size() - before.messages;
  const bool logReported = newMessages > 0 && messages.back().text.find(bench.LogPath()) != std::wstring::npos;
  frmMain& form = bench.form;
  const long row = bench.RowOf(bench.target);
  const std::wstring column = row > 0 ? form.lvwNIC.SubItem(row, 2) : L"<no row>";
  const std::wstring adapterField = L"[" + bench.target + L"]";

  if (scenario.effect == Effect::Update || scenario.effect == Effect::Removal) {
    const bool update = scenario.effect == Effect::Update;
    const auto stored = StoredOverride(bench.target);
    const bool done = update ? stored == kNewAddress : !stored;
    const std::wstring mark = update ? L"伪装 MAC 地址" : L"删除伪装的 MAC 地址";
    if (done) {
      if (column != (update ? L"是" : L"否")) problems.push_back("done, but the row says " + Narrow(column));
      const std::wstring label = update ? L" " + Dashed(kNewAddress) : L"";
      if (form.Text(lblSpoofedMAC) != label) {
        problems.push_back("done, but lblSpoofedMAC shows '" + Narrow(form.Text(lblSpoofedMAC)) + "'");
      }
      if (logLocked) {
        if (!lines.empty() || !logReported) problems.push_back("the unwritable log was not reported");
      } else if (lines.size() != 1 || lines[0].find(adapterField) == std::wstring::npos ||
                 lines[0].find(mark) == std::wstring::npos ||
                 (update && lines[0].find(L"[" + Dashed(kNewAddress) + L"]") == std::wstring::npos)) {
        problems.push_back("done, but the log has " + std::to_string(lines.size()) + " new lines for it");
      } else if (newMessages != 0) {
        problems.push_back("done, yet a failure was reported: " + Narrow(messages.back().text));
      }
    } else {
      if (!lines.empty()) problems.push_back("not done, but the log says it was");
      if (newMessages == 0) problems.push_back("not done, and nothing said so");
    }
    return;
  }
  if (!lines.empty()) problems.push_back("the log grew without a change");
  if (bench.host.ended > 0 && (messages.empty() || messages.back().text != RightsMessageText())) {
    problems.push_back("the program ended without saying why");
  }
}

// Once the fault has gone, a refresh shows the registry exactly and an
// update goes through.
void CheckUsable(Bench& bench, Watchdog& watchdog, std::vector<std::string>& problems) {
  frmMain& form = bench.form;
  test::FaultInjectingRegistry clean;
  ScopedRegistryApi scope(clean);
  if (!Guarded(watchdog, [&] { form.cmdRefresh_Click(); })) return;
  if (form.lvwNIC.Count() == 0) {
    problems.push_back("the refresh after the fault lists nothing");
    return;
  }
  for (long row = 1; row <= form.lvwNIC.Count(); ++row) {
    const std::wstring id = form.lvwNIC.Text(row);
    const std::wstring expected = StoredOverride(id) ? L"是" : L"否";
    if (form.lvwNIC.SubItem(row, 2) != expected) problems.push_back("after a refresh, row " + Narrow(id) + " is wrong");
  }
  const auto stored = StoredOverride(form.SelectedAdapterIndex);
  if (form.Text(lblSpoofedMAC) != L" " + (stored ? Dashed(*stored) : L"")) {
    problems.push_back("after a refresh, lblSpoofedMAC shows '" + Narrow(form.Text(lblSpoofedMAC)) + "'");
  }
  const size_t linesBefore = LogLines(bench.Log()).size();
  bench.Type(kRecoveryAddress);
  form.HideNotify = true;
  if (!form.Enabled(txtMAC(0)) || !form.Enabled(cmdUpdate)) {
    problems.push_back("after a refresh the address cannot be typed and applied");
    return;
  }
  const size_t messagesBefore = bench.host.messages.size();
  if (!Guarded(watchdog, [&] { form.cmdUpdate_Click(); })) return;
  const long row = form.lvwNIC.SelectedPosition();
  if (StoredOverride(form.SelectedAdapterIndex) != kRecoveryAddress || row < 1 ||
      form.lvwNIC.SubItem(row, 2) != L"是" || form.Text(lblSpoofedMAC) != L" " + Dashed(kRecoveryAddress) ||
      LogLines(bench.Log()).size() != linesBefore + 1 || bench.host.messages.size() != messagesBefore) {
    problems.push_back("an update after the fault did not go through cleanly");
  }
  if (clean.KeysOpened() != clean.KeysClosed()) problems.push_back("keys left open after the fault");
}

// --- The matrix.

struct Fault {
  std::string name;
  std::optional<int> call{};  // the registry call that fails, 1-based
  LONG code = 0;
  std::optional<size_t> wmiStep{};
  bool logLocked = false;
  bool probeDeletion = false;  // the failing call deletes the rights probe
};

class Matrix {
 public:
  explicit Matrix(const Scenario& scenario) : scenario_(scenario) {
    tally_.scenario = scenario.name;
    g_tally = &tally_;
    ::SetUnhandledExceptionFilter(ReportCrash);
  }
  ~Matrix() { g_tally = nullptr; }

  // Runs one case; returns the registry calls and WMI steps the action made.
  std::pair<std::vector<test::RegCallRecord>, std::vector<std::wstring>> Run(const Fault& fault) {
    g_case = scenario_.name + " / " + fault.name;
    ++tally_.cases;
    std::vector<std::string> problems;
    Bench bench(scenario_);
    scenario_.prepare(bench);
    Before before{TakeSnapshot(), bench.Log(), bench.host.messages.size()};

    test::FaultInjectingRegistry faults;
    {
      UniqueFile lock;
      if (fault.logLocked) {
        lock.reset(::CreateFileW(bench.LogPath().c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr));
        if (!lock) problems.push_back("could not lock the log");
      }
      bench.wmi.steps.clear();
      bench.wmi.failStep = fault.wmiStep;
      ScopedRegistryApi scope(faults);
      if (fault.call) faults.FailCall(std::nullopt, *fault.call, fault.code);
      Guarded(watchdog_, [&] { scenario_.action(bench); });
    }
    bench.wmi.failStep.reset();
    const auto calls = faults.Calls();
    const auto steps = bench.wmi.steps;

    if (faults.KeysOpened() != faults.KeysClosed()) {
      problems.push_back(std::to_string(faults.KeysOpened() - faults.KeysClosed()) + " keys left open");
    }
    CheckClaims(bench, problems);
    CheckUntouched(scenario_, bench, before.registry, TakeSnapshot(), fault.probeDeletion, problems);
    CheckEffect(scenario_, bench, before, fault.logLocked, problems);
    // A WMI pass that fails anywhere gives way to the registry's whole.
    if (fault.wmiStep && bench.form.ScanResult != kScanFromRegistry) {
      problems.push_back("rows did not come from the registry after the WMI failure");
    }
    if (bench.host.ended == 0) CheckUsable(bench, watchdog_, problems);

    if (!problems.empty()) {
      ++tally_.disagreements;
      if (tally_.disagreements <= 30) {
        std::printf("   %s:\n", g_case.c_str());
        for (const std::string& problem : problems) std::printf("      %s\n", problem.c_str());
      }
    }
    return {calls, steps};
  }

  // The fault-free run first, to learn the calls; then every call failed in
  // turn with each code, every WMI step failed in turn, and the locked log.
  void RunAll() {
    const auto [calls, steps] = Run(Fault{"no fault"});
    const auto deletesProbe = [&](size_t n) {
      return n < calls.size() && calls[n].call == test::RegCall::DeleteValue && calls[n].detail == "Access";
    };
    for (size_t n = 0; n < calls.size(); ++n) {
      const std::string call = std::string(test::RegCallName(calls[n].call)) + "(" + calls[n].detail + ")";
      const bool probeDeletion =
          deletesProbe(n) || (calls[n].call == test::RegCall::OpenKeyEx && deletesProbe(n + 1));
      for (LONG code : kCodes) {
        Fault fault{"call " + std::to_string(n + 1) + " " + call + " fails with " + std::to_string(code),
                    static_cast<int>(n + 1), code};
        fault.probeDeletion = probeDeletion;
        Run(fault);
      }
    }
    if (scenario_.wmiAnswers) {
      for (size_t n = 0; n < steps.size(); ++n) {
        Run(Fault{"WMI step " + std::to_string(n + 1) + " (" + Narrow(steps[n]) + ") fails", std::nullopt, 0, n + 1});
      }
    }
    if (scenario_.lockLog) Run(Fault{"log held by another program", std::nullopt, 0, std::nullopt, true});
    std::printf("   (%zu registry calls, %zu WMI steps)\n", calls.size(), scenario_.wmiAnswers ? steps.size() : 0);
    tally_.Print();
    EXPECT_GT(calls.size(), 0u);
    EXPECT_EQ(0, tally_.crashes);
    EXPECT_EQ(0, tally_.hangs);
    EXPECT_EQ(0, tally_.disagreements) << "see the cases listed above";
  }

 private:
  const Scenario& scenario_;
  Tally tally_;
  Watchdog watchdog_;
};

void Nothing(Bench&) {}

void StartedWithFilterOff(Bench& bench) {
  bench.StartUp();
  bench.form.chkFilterActive.SetValue(0);
  bench.form.chkFilterActive_Click();
}

TEST(FaultMatrix, StartUpWithTheTermsAccepted) {
  Matrix({"start-up, terms accepted", true, false, Effect::StartUp, Nothing, [](Bench& b) { b.StartUp(); }})
      .RunAll();
}

TEST(FaultMatrix, StartUpWithTheTermsDialogAnsweredAndAgreementWritten) {
  Matrix({"start-up, terms dialog answered", false, false, Effect::StartUp, Nothing, [](Bench& b) { b.StartUp(); }})
      .RunAll();
}

TEST(FaultMatrix, ScanFromTheRegistryWithTheFilterOn) {
  Matrix({"scan from the registry, filter on", true, false, Effect::None, [](Bench& b) { b.StartUp(); },
          [](Bench& b) { b.form.cmdRefresh_Click(); }})
      .RunAll();
}

TEST(FaultMatrix, ScanFromTheRegistryWithTheFilterOff) {
  Matrix({"scan from the registry, filter off", true, false, Effect::None, [](Bench& b) { b.StartUp(); },
          [](Bench& b) {
            b.form.chkFilterActive.SetValue(0);
            b.form.chkFilterActive_Click();
          }})
      .RunAll();
}

TEST(FaultMatrix, ScanFromWmiWithTheFilterOn) {
  Matrix({"scan from WMI, filter on", true, true, Effect::None, [](Bench& b) { b.StartUp(); },
          [](Bench& b) { b.form.cmdRefresh_Click(); }})
      .RunAll();
}

TEST(FaultMatrix, ScanFromWmiWithTheFilterOff) {
  Matrix({"scan from WMI, filter off", true, true, Effect::None, [](Bench& b) { b.StartUp(); },
          [](Bench& b) {
            b.form.chkFilterActive.SetValue(0);
            b.form.chkFilterActive_Click();
          }})
      .RunAll();
}

TEST(FaultMatrix, SelectingARow) {
  Matrix({"selecting a row", true, false, Effect::None, StartedWithFilterOff,
          [](Bench& b) { b.Select(L"0002"); }})
      .RunAll();
}

TEST(FaultMatrix, UpdateWithTheNoticeAnsweredAndHideNotifyWritten) {
  Scenario scenario{"update, notice answered", true, false, Effect::Update,
                    [](Bench& b) {
                      b.StartUp();
                      b.target = L"0001";
                      b.Select(b.target);
                      b.Type(kNewAddress);
                    },
                    [](Bench& b) { b.form.cmdUpdate_Click(); }};
  scenario.lockLog = true;
  Matrix(scenario).RunAll();
}

TEST(FaultMatrix, UpdateReplacingAnOverrideWithTheNoticeKeptOn) {
  Matrix({"update replacing an override, notice kept on", true, false, Effect::Update,
          [](Bench& b) {
            b.windows.onNotification = [] { return NotificationChoice{false, false}; };
            b.StartUp();
            b.target = L"0000";
            b.Select(b.target);
            b.form.cmdClear_Click();
            b.Type(kNewAddress);
          },
          [](Bench& b) { b.form.cmdUpdate_Click(); }})
      .RunAll();
}

TEST(FaultMatrix, Removal) {
  Scenario scenario{"removal", true, false, Effect::Removal,
                    [](Bench& b) {
                      StartedWithFilterOff(b);
                      b.target = L"0002";
                      b.Select(b.target);
                    },
                    [](Bench& b) { b.form.cmdRemove_Click(); }};
  scenario.lockLog = true;
  Matrix(scenario).RunAll();
}

}  // namespace
}  // namespace quav
