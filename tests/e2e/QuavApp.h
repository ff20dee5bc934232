#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Handles.h"

// Drives the real quav.exe from outside, as a user would: starts it from a
// folder of its own, finds its windows, reads their texts and states, clicks,
// types and selects through window messages, and reads the list view's rows
// across the process boundary.
namespace quav::e2e {

using namespace std::chrono_literals;

// Waits until the condition holds or the time is up; true when it held.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 10s);

std::wstring WindowText(HWND hwnd);
std::wstring ClassName(HWND hwnd);

// A message box or dialog the program shows.
struct Dialog {
  HWND hwnd = nullptr;
  std::wstring title;
  std::wstring text;  // the message of a message box
};

// A run of the program with arguments, as a script sees it.
struct ConsoleRun {
  DWORD exitCode = STILL_ACTIVE;  // STILL_ACTIVE when it did not end in time
  std::string output;             // the bytes written to its standard output
};

class QuavApp {
 public:
  // Copies quav.exe into a fresh folder of its own (where its QUAV.log goes).
  explicit QuavApp(const std::wstring& name);
  ~QuavApp();
  QuavApp(const QuavApp&) = delete;
  QuavApp& operator=(const QuavApp&) = delete;

  // Extra environment for the program (for instance WINEDLLOVERRIDES).
  void SetEnvironment(const std::wstring& name, const std::wstring& value) { environment_[name] = value; }
  // Runs another copy of the program from now on (the installed one, say).
  void UseProgram(const std::wstring& exe) { exe_ = exe; }
  // The folder the program is started in; its own folder unless set.
  void SetCurrentFolder(const std::wstring& folder) { currentFolder_ = folder; }
  void Start();
  // Starts the program with arguments, its standard output and error a pipe
  // read here, and waits until it ends.
  ConsoleRun Run(const std::wstring& arguments, std::chrono::milliseconds timeout = 30s);
  // Starts the program with arguments and the given (inheritable) standard
  // output, or with none and no console (Wine would otherwise give it this
  // one's), and gives its exit code once it ends (STILL_ACTIVE when it did
  // not end in time).
  DWORD RunTo(const std::wstring& arguments, HANDLE output, std::chrono::milliseconds timeout = 30s);
  // Waits for the main window to appear.
  bool WaitForMainWindow(std::chrono::milliseconds timeout = 20s);
  // Waits for the title's result marker after a load.
  bool WaitForListLoaded(std::chrono::milliseconds timeout = 20s);
  bool WaitForExit(std::chrono::milliseconds timeout = 10s);
  bool Running() const;
  // Whether the running program has the DLL of this file name loaded.
  bool HasLoaded(const std::wstring& dll) const;
  DWORD ExitCode() const;
  void Kill();

  const std::wstring& Folder() const { return folder_; }
  std::wstring LogPath() const { return folder_ + L"\\QUAV.log"; }
  HWND Main() const { return main_; }
  std::wstring Title() const { return WindowText(main_); }

  // Controls of the main window by id.
  HWND Control(int id) const;
  std::wstring Text(int id) const { return WindowText(Control(id)); }
  bool Enabled(int id) const { return ::IsWindowEnabled(Control(id)) != FALSE; }
  bool Checked(int id) const;
  void Click(int id) const;
  void Command(int id) const;  // a menu entry
  void Focus(int id) const;
  HWND FocusedControl() const;
  // Types characters into a box as keyboard input would deliver them.
  void Type(int id, const std::wstring& characters) const;
  void PressKey(HWND target, UINT virtualKey) const;

  // The list view's rows: item text and sub-items, top to bottom.
  std::vector<std::vector<std::wstring>> Rows() const;
  long RowCount() const;
  long SelectedRow() const;  // 1-based, 0 for none
  // Clicks a row (1-based) with the mouse.
  void ClickRow(long row) const;
  // Rests the pointer on a row (1-based) and waits for its tip to show; null
  // when none shows. Its window text is the tip's text.
  HWND RowTip(long row) const;
  void ClickHeader(int column) const;

  // The top-level windows the program shows besides the main window.
  std::vector<Dialog> Dialogs() const;
  std::optional<Dialog> WaitForDialog(const std::wstring& title, std::chrono::milliseconds timeout = 10s) const;
  // Presses a dialog's button by its id (IDOK, IDCANCEL, ...).
  void PressDialogButton(HWND dialog, int id) const;

  // A window of the program's (not the main one) by its class, once visible.
  HWND WaitForWindowOfClass(const std::wstring& className, std::chrono::milliseconds timeout = 10s) const;

  // Lets the program handle everything sent or posted so far.
  void Settle() const;
  // Saves the window's picture on screen as a BMP under the build folder's
  // screenshots folder; returns the path.
  std::wstring Screenshot(HWND hwnd, const std::wstring& name) const;

 private:
  bool Launch(const std::wstring& arguments, STARTUPINFOW& startup, bool inheritHandles, DWORD flags = 0);
  POINT RowCentre(long row) const;  // on the screen

  std::wstring folder_;
  std::wstring exe_;
  std::map<std::wstring, std::wstring> environment_;
  std::wstring currentFolder_;
  PROCESS_INFORMATION process_{};
  UniqueHandle processHandle_;
  UniqueHandle threadHandle_;
  HWND main_ = nullptr;
};

// Where the build puts quav.exe, relative to this test program.
std::wstring BuiltQuavExe();
// The probe program beside this test program: run, it leaves "<its path>.ran".
std::wstring ProgramProbeExe();

// Moves the pointer as the mouse would, to a point on the screen.
void MoveMouseTo(POINT screen);
// Clicks there with the left button, as the mouse would.
void MouseClickAt(POINT screen);
// Presses keys as the keyboard would, for the window in the foreground.
void KeyboardPress(std::initializer_list<UINT> keys, bool withAlt = false);
// The centre of a window on the screen.
POINT CentreOf(HWND hwnd);
// How many pixels of a window's area on screen are (nearly) pure blue.
int BluePixels(HWND hwnd);
std::wstring ScreenshotFolder();

}  // namespace quav::e2e
