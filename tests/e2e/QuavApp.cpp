#include "e2e/QuavApp.h"
#include "support/ScreenCapture.h"
#include "ui/main/frmMainControls.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <thread>

namespace quav::e2e {
namespace {

std::wstring ModuleFolder() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path.substr(0, path.find_last_of(L'\\'));
}

std::wstring ParentFolder(const std::wstring& folder) { return folder.substr(0, folder.find_last_of(L'\\')); }

void RemoveFolderContents(const std::wstring& folder) {
  WIN32_FIND_DATAW found{};
  UniqueFind find(::FindFirstFileW((folder + L"\\*").c_str(), &found));
  if (!find) return;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::wstring path = folder + L"\\" + name;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      RemoveFolderContents(path);
      ::RemoveDirectoryW(path.c_str());
    } else {
      ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      ::DeleteFileW(path.c_str());
    }
  } while (::FindNextFileW(find.get(), &found));
}

struct FindContext {
  DWORD processId;
  std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lParam) {
  auto* context = reinterpret_cast<FindContext*>(lParam);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hwnd, &pid);
  if (pid == context->processId && ::IsWindowVisible(hwnd)) context->windows.push_back(hwnd);
  return TRUE;
}

std::vector<HWND> VisibleWindowsOf(DWORD processId) {
  FindContext context{processId, {}};
  ::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&context));
  return context.windows;
}

// Memory in the program's process for messages that carry pointers.
class RemoteBuffer {
 public:
  RemoteBuffer(HANDLE process, size_t size) : process_(process), size_(size) {
    address_ = ::VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  }
  ~RemoteBuffer() {
    if (address_) ::VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  void* Address(size_t offset = 0) const { return static_cast<char*>(address_) + offset; }
  void Write(const void* data, size_t size, size_t offset = 0) const {
    ::WriteProcessMemory(process_, Address(offset), data, size, nullptr);
  }
  void Read(void* data, size_t size, size_t offset = 0) const {
    ::ReadProcessMemory(process_, Address(offset), data, size, nullptr);
  }

 private:
  HANDLE process_;
  size_t size_;
  void* address_ = nullptr;
};

INPUT MouseInput(POINT screen, DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = static_cast<LONG>((screen.x * 65535LL) / (::GetSystemMetrics(SM_CXSCREEN) - 1));
  in.mi.dy = static_cast<LONG>((screen.y * 65535LL) / (::GetSystemMetrics(SM_CYSCREEN) - 1));
  in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
  return in;
}

}  // namespace

void MouseClickAt(POINT screen) {
  // Two clicks within the double-click time would be one double click.
  static auto lastClick = std::chrono::steady_clock::time_point{};
  const auto apart = std::chrono::milliseconds(::GetDoubleClickTime() + 100);
  const auto since = std::chrono::steady_clock::now() - lastClick;
  if (since < apart) std::this_thread::sleep_for(apart - since);
  lastClick = std::chrono::steady_clock::now();
  INPUT input[3] = {MouseInput(screen, MOUSEEVENTF_MOVE), MouseInput(screen, MOUSEEVENTF_LEFTDOWN),
                    MouseInput(screen, MOUSEEVENTF_LEFTUP)};
  ::SendInput(1, &input[0], sizeof(INPUT));
  std::this_thread::sleep_for(50ms);
  ::SendInput(2, &input[1], sizeof(INPUT));
}

// Keys pressed as the keyboard does, each down and up in turn; a key given
// with Alt is pressed while Alt is held.
void KeyboardPress(std::initializer_list<UINT> keys, bool withAlt) {
  std::vector<INPUT> inputs;
  const auto key = [&inputs](UINT virtualKey, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = static_cast<WORD>(virtualKey);
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(in);
  };
  if (withAlt) key(VK_MENU, false);
  for (const UINT virtualKey : keys) {
    key(virtualKey, false);
    key(virtualKey, true);
  }
  if (withAlt) key(VK_MENU, true);
  for (INPUT& in : inputs) {
    ::SendInput(1, &in, sizeof in);
    std::this_thread::sleep_for(30ms);
  }
}

void MoveMouseTo(POINT screen) {
  INPUT move = MouseInput(screen, MOUSEEVENTF_MOVE);
  ::SendInput(1, &move, sizeof move);
}

POINT CentreOf(HWND hwnd) {
  RECT rect{};
  ::GetWindowRect(hwnd, &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

int BluePixels(HWND hwnd) {
  RECT rect{};
  ::GetWindowRect(hwnd, &rect);
  WindowDc screen(nullptr);
  int blue = 0;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) {
      const COLORREF pixel = ::GetPixel(screen.get(), x, y);
      if (GetBValue(pixel) > 160 && GetRValue(pixel) < 90 && GetGValue(pixel) < 90) ++blue;
    }
  }
  return blue;
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(20ms);
  }
}

std::wstring WindowText(HWND hwnd) {
  if (!hwnd) return {};
  DWORD_PTR length = 0;
  ::SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  ::SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 5000,
                        &copied);
  text.resize(copied);
  return text;
}

std::wstring ClassName(HWND hwnd) {
  wchar_t name[256] = {};
  ::GetClassNameW(hwnd, name, 256);
  return name;
}

std::wstring BuiltQuavExe() { return ParentFolder(ModuleFolder()) + L"\\src\\quav.exe"; }

std::wstring ProgramProbeExe() { return ModuleFolder() + L"\\" QUAV_PROGRAM_PROBE; }

std::wstring ScreenshotFolder() {
  const std::wstring folder = ParentFolder(ModuleFolder()) + L"\\screenshots";
  ::CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

QuavApp::QuavApp(const std::wstring& name) {
  const std::wstring runs = ModuleFolder() + L"\\e2e-run";
  ::CreateDirectoryW(runs.c_str(), nullptr);
  folder_ = runs + L"\\" + name;
  ::CreateDirectoryW(folder_.c_str(), nullptr);
  RemoveFolderContents(folder_);
  exe_ = folder_ + L"\\quav.exe";
  ::CopyFileW(BuiltQuavExe().c_str(), exe_.c_str(), FALSE);
}

QuavApp::~QuavApp() { Kill(); }

void QuavApp::Start() {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  Launch(L"", startup, false);
}

bool QuavApp::Launch(const std::wstring& arguments, STARTUPINFOW& startup, bool inheritHandles, DWORD flags) {
  std::map<std::wstring, std::wstring> variables;
  if (wchar_t* block = ::GetEnvironmentStringsW()) {
    for (const wchar_t* entry = block; *entry; entry += wcslen(entry) + 1) {
      const std::wstring text = entry;
      const size_t equals = text.find(L'=', 1);
      if (equals != std::wstring::npos) variables[text.substr(0, equals)] = text.substr(equals + 1);
    }
    ::FreeEnvironmentStringsW(block);
  }
  for (const auto& [name, value] : environment_) variables[name] = value;
  std::wstring block;
  for (const auto& [name, value] : variables) block += name + L"=" + value + L'\0';
  block += L'\0';

  std::wstring commandLine = L"\"" + exe_ + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  if (!::CreateProcessW(exe_.c_str(), commandLine.data(), nullptr, nullptr, inheritHandles,
                        CREATE_UNICODE_ENVIRONMENT | flags, block.data(),
                        (currentFolder_.empty() ? folder_ : currentFolder_).c_str(), &startup, &process_)) {
    return false;
  }
  processHandle_.reset(process_.hProcess);
  threadHandle_.reset(process_.hThread);
  return true;
}

ConsoleRun QuavApp::Run(const std::wstring& arguments, std::chrono::milliseconds timeout) {
  ConsoleRun run;
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  UniqueHandle readEnd;
  UniqueHandle writeEnd;
  if (!::CreatePipe(readEnd.put(), writeEnd.put(), &inheritable, 0)) return run;
  ::SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd.get();
  startup.hStdError = writeEnd.get();
  if (!Launch(arguments, startup, true)) return run;
  // Only the program holds the write end now: the pipe ends with it.
  writeEnd.reset();
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  char buffer[4096];
  for (;;) {
    DWORD available = 0;
    if (!::PeekNamedPipe(readEnd.get(), nullptr, 0, nullptr, &available, nullptr)) break;  // closed: it ended
    if (available > 0) {
      DWORD read = 0;
      if (!::ReadFile(readEnd.get(), buffer, sizeof buffer, &read, nullptr)) break;
      run.output.append(buffer, read);
      continue;
    }
    if (std::chrono::steady_clock::now() > deadline) {
      Kill();
      return run;
    }
    std::this_thread::sleep_for(10ms);
  }
  WaitForExit(timeout);
  run.exitCode = ExitCode();
  return run;
}

DWORD QuavApp::RunTo(const std::wstring& arguments, HANDLE output, std::chrono::milliseconds timeout) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = output;
  startup.hStdError = output;
  if (!Launch(arguments, startup, output != nullptr, output ? 0 : DETACHED_PROCESS)) return STILL_ACTIVE;
  if (!WaitForExit(timeout)) {
    Kill();
    return STILL_ACTIVE;
  }
  return ExitCode();
}

bool QuavApp::WaitForMainWindow(std::chrono::milliseconds timeout) {
  return WaitUntil(
      [this] {
        for (HWND hwnd : VisibleWindowsOf(process_.dwProcessId)) {
          if (ClassName(hwnd) == L"QUAV.frmMain") {
            main_ = hwnd;
            return true;
          }
        }
        return false;
      },
      timeout);
}

bool QuavApp::WaitForListLoaded(std::chrono::milliseconds timeout) {
  return WaitUntil(
      [this] {
        const std::wstring title = Title();
        return title.find(L"[WBEM") != std::wstring::npos || title.find(L"无数据") != std::wstring::npos ||
               title.find(L"No data") != std::wstring::npos;
      },
      timeout);
}

bool QuavApp::Running() const {
  return processHandle_ && ::WaitForSingleObject(processHandle_.get(), 0) == WAIT_TIMEOUT;
}

bool QuavApp::HasLoaded(const std::wstring& dll) const {
  const UniqueHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, process_.dwProcessId));
  MODULEENTRY32W module{};
  module.dwSize = sizeof module;
  for (bool more = ::Module32FirstW(snapshot.get(), &module); more; more = ::Module32NextW(snapshot.get(), &module)) {
    if (::lstrcmpiW(module.szModule, dll.c_str()) == 0) return true;
  }
  return false;
}

bool QuavApp::WaitForExit(std::chrono::milliseconds timeout) {
  return processHandle_ &&
         ::WaitForSingleObject(processHandle_.get(), static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

DWORD QuavApp::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (processHandle_) ::GetExitCodeProcess(processHandle_.get(), &code);
  return code;
}

void QuavApp::Kill() {
  if (Running()) {
    ::TerminateProcess(processHandle_.get(), 1);
    ::WaitForSingleObject(processHandle_.get(), 5000);
  }
}

namespace {

struct FindById {
  int id;
  HWND found;
};

BOOL CALLBACK MatchId(HWND hwnd, LPARAM lParam) {
  auto* search = reinterpret_cast<FindById*>(lParam);
  if (::GetDlgCtrlID(hwnd) != search->id) return TRUE;
  search->found = hwnd;
  return FALSE;
}

}  // namespace

// Controls inside picture boxes are found too.
HWND QuavApp::Control(int id) const {
  FindById search{id, nullptr};
  ::EnumChildWindows(main_, MatchId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool QuavApp::Checked(int id) const {
  DWORD_PTR state = 0;
  ::SendMessageTimeoutW(Control(id), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &state);
  return state == BST_CHECKED;
}

void QuavApp::Click(int id) const {
  ::PostMessageW(Control(id), BM_CLICK, 0, 0);
  Settle();
}

void QuavApp::Command(int id) const {
  ::PostMessageW(main_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
  Settle();
}

void QuavApp::Focus(int id) const {
  const DWORD thread = ::GetWindowThreadProcessId(main_, nullptr);
  ::AttachThreadInput(::GetCurrentThreadId(), thread, TRUE);
  ::SetFocus(Control(id));
  ::AttachThreadInput(::GetCurrentThreadId(), thread, FALSE);
  Settle();
}

HWND QuavApp::FocusedControl() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  ::GetGUIThreadInfo(::GetWindowThreadProcessId(main_, nullptr), &info);
  return info.hwndFocus;
}

void QuavApp::Type(int id, const std::wstring& characters) const {
  if (FocusedControl() != Control(id)) Focus(id);
  for (wchar_t c : characters) ::PostMessageW(Control(id), WM_CHAR, c, 1);
  Settle();
}

void QuavApp::PressKey(HWND target, UINT virtualKey) const {
  ::PostMessageW(target, WM_KEYDOWN, virtualKey, 1);
  ::PostMessageW(target, WM_KEYUP, virtualKey, 0xC0000001);
  Settle();
}

std::vector<std::vector<std::wstring>> QuavApp::Rows() const {
  std::vector<std::vector<std::wstring>> rows;
  HWND list = Control(1001);
  DWORD_PTR count = 0;
  ::SendMessageTimeoutW(list, LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &count);
  HWND header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
  const int columns = static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  constexpr size_t kTextChars = 512;
  RemoteBuffer remote(processHandle_.get(), sizeof(LVITEMW) + kTextChars * sizeof(wchar_t));
  for (int row = 0; row < static_cast<int>(count); ++row) {
    std::vector<std::wstring> cells;
    for (int column = 0; column < columns; ++column) {
      LVITEMW item{};
      item.iSubItem = column;
      item.cchTextMax = kTextChars;
      item.pszText = static_cast<wchar_t*>(remote.Address(sizeof(LVITEMW)));
      remote.Write(&item, sizeof item);
      DWORD_PTR length = 0;
      ::SendMessageTimeoutW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remote.Address()), SMTO_ABORTIFHUNG,
                            5000, &length);
      std::wstring text(length, L'\0');
      remote.Read(text.data(), length * sizeof(wchar_t), sizeof(LVITEMW));
      cells.push_back(text);
    }
    rows.push_back(cells);
  }
  return rows;
}

long QuavApp::RowCount() const {
  DWORD_PTR count = 0;
  ::SendMessageTimeoutW(Control(1001), LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &count);
  return static_cast<long>(count);
}

long QuavApp::SelectedRow() const {
  const auto index = static_cast<int>(::SendMessageW(Control(1001), LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                                     MAKELPARAM(LVNI_SELECTED, 0)));
  return index < 0 ? 0 : index + 1;
}

POINT QuavApp::RowCentre(long row) const {
  HWND list = Control(1001);
  RemoteBuffer remote(processHandle_.get(), sizeof(RECT));
  RECT rect{LVIR_LABEL, 0, 0, 0};
  remote.Write(&rect, sizeof rect);
  ::SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row - 1), reinterpret_cast<LPARAM>(remote.Address()));
  remote.Read(&rect, sizeof rect);
  POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  ::ClientToScreen(list, &point);
  return point;
}

void QuavApp::ClickRow(long row) const {
  MouseClickAt(RowCentre(row));
  Settle();
}

HWND QuavApp::RowTip(long row) const {
  MoveMouseTo(RowCentre(row));
  return WaitForWindowOfClass(L"tooltips_class32");
}

void QuavApp::ClickHeader(int column) const {
  HWND header = reinterpret_cast<HWND>(::SendMessageW(Control(1001), LVM_GETHEADER, 0, 0));
  RemoteBuffer remote(processHandle_.get(), sizeof(RECT));
  ::SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(remote.Address()));
  RECT rect{};
  remote.Read(&rect, sizeof rect);
  POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  ::ClientToScreen(header, &point);
  MouseClickAt(point);
  Settle();
}

std::vector<Dialog> QuavApp::Dialogs() const {
  std::vector<Dialog> dialogs;
  for (HWND hwnd : VisibleWindowsOf(process_.dwProcessId)) {
    if (hwnd == main_ || ClassName(hwnd) == L"QUAV.frmMain") continue;
    dialogs.push_back({hwnd, WindowText(hwnd), WindowText(::GetDlgItem(hwnd, 0xFFFF))});
  }
  return dialogs;
}

std::optional<Dialog> QuavApp::WaitForDialog(const std::wstring& title, std::chrono::milliseconds timeout) const {
  std::optional<Dialog> found;
  WaitUntil(
      [&] {
        for (const Dialog& dialog : Dialogs()) {
          if (dialog.title == title) {
            found = dialog;
            return true;
          }
        }
        return false;
      },
      timeout);
  return found;
}

void QuavApp::PressDialogButton(HWND dialog, int id) const {
  ::PostMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
  Settle();
}

HWND QuavApp::WaitForWindowOfClass(const std::wstring& className, std::chrono::milliseconds timeout) const {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND hwnd : VisibleWindowsOf(process_.dwProcessId)) {
          if (ClassName(hwnd) == className) found = hwnd;
        }
        return found != nullptr;
      },
      timeout);
  return found;
}

void QuavApp::Settle() const {
  if (!Running()) return;
  ::WaitForInputIdle(processHandle_.get(), 2000);
  DWORD_PTR ignored = 0;
  if (main_) {
    // What was posted before is handled (or under way) once a mark posted
    // after it is; the entry box's modified flag carries that mark.
    const HWND box = Control(frmMainControls::txtMAC(0));
    DWORD_PTR modified = 0;
    if (box && ::SendMessageTimeoutW(box, EM_GETMODIFY, 0, 0, SMTO_ABORTIFHUNG, 2000, &modified)) {
      ::PostMessageW(box, EM_SETMODIFY, !modified, 0);
      const auto until = std::chrono::steady_clock::now() + 10s;
      DWORD_PTR now = modified;
      while (::SendMessageTimeoutW(box, EM_GETMODIFY, 0, 0, SMTO_ABORTIFHUNG, 2000, &now) && !now == !modified &&
             std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(5ms);
      if (!now == !modified && ::IsWindow(box) && Running()) {
        ADD_FAILURE() << "the program had not handled what was posted to it after 10 s";
        return;
      }
      ::SendMessageTimeoutW(box, EM_SETMODIFY, modified, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
    }
    // The window answers while a scan runs, before its rows are listed.
    const auto until = std::chrono::steady_clock::now() + 30s;
    while (::GetPropW(main_, L"QUAV.Scanning") && std::chrono::steady_clock::now() < until)
      std::this_thread::sleep_for(10ms);
    if (::GetPropW(main_, L"QUAV.Scanning")) {
      ADD_FAILURE() << "the list was still loading after 30 s";
      return;
    }
    // A window that has gone (the program is ending) answers nothing.
    if (!::SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &ignored) && ::IsWindow(main_) &&
        Running()) {
      ADD_FAILURE() << "the main window did not answer within 10 s (error " << ::GetLastError() << ")";
    }
  }
  std::this_thread::sleep_for(30ms);
}

std::wstring QuavApp::Screenshot(HWND hwnd, const std::wstring& name) const {
  RECT rect{};
  ::GetWindowRect(hwnd, &rect);
  const std::wstring path = ScreenshotFolder() + L"\\" + name + L".bmp";
  test::CaptureScreen(rect, path);
  return path;
}

}  // namespace quav::e2e
