#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "adapters/AdapterScan.h"
#include "adapters/AddressMaker.h"
#include "platform/TaskScheduler.h"
#include "schedule/InstalledCopy.h"
#include "ui/side/frmSchedule.h"
#include "ui/LinkOpener.h"
#include "ui/side/frmAbout.h"

namespace quav {

class AdapterDevices;
class AdapterFacts;
class ErrorReporter;
class HardwareAddressLookup;
class WmiAdapterSource;

// What the main window asks of the program around it; tests stand in for it.
class ProgramHost : public LinkOpener {
 public:
  virtual ~ProgramHost() = default;
  // Another copy of the program runs in this session.
  virtual bool PreviousInstanceRunning() = 0;
  // Ends the program at once, without unloading windows in order.
  virtual void EndProgram() = 0;
  virtual int ShowMessage(HWND owner, const std::wstring& text, const std::wstring& title, UINT style) = 0;
  // Opens a document, web address or program through the shell ("Open").
  virtual void OpenWithShell(HWND owner, const std::wstring& file, const std::wstring& parameters,
                             const std::wstring& directory) = 0;
};

// What the restart notice was answered with.
struct NotificationChoice {
  bool hide = false;        // no notice after later changes
  bool restartNow = false;  // restart the adapter at once
};

// The windows the main window shows modally over itself: each takes what it
// shows and gives back what the user chose.
class ModalWindows {
 public:
  virtual ~ModalWindows() = default;
  // The terms dialog, given Agree as it stands: the answer, or agree again
  // when the dialog was closed without one.
  virtual bool ShowAgreement(HWND owner, bool agree) = 0;
  // The restart notice, given HideNotify: the choice; closed without an
  // answer, hide stays as given and nothing is restarted.
  virtual NotificationChoice ShowNotification(HWND owner, bool hideNotify) = 0;
  virtual void ShowAbout(HWND owner, const frmAbout::Content& content) = 0;
  // The maker search: the maker chosen, none when the window was closed
  // without one.
  virtual std::optional<Maker> ShowMakers(HWND owner) = 0;
  // An adapter's schedule: what the user chose, None when closed without a choice.
  virtual frmSchedule::Answer ShowSchedule(HWND owner, const frmSchedule::Input& input) = 0;
};

// What restarting and checking an adapter uses; null members mean the system's.
struct AdapterServices {
  AdapterDevices* devices = nullptr;
  AdapterFacts* facts = nullptr;
};

// Where schedules go; null and none mean the system's Task Scheduler and
// %ProgramFiles%\QUAV.
struct SchedulingServices {
  TaskStore* tasks = nullptr;
  std::optional<InstallPlace> place{};
};

struct MainWindowServices {
  ProgramHost& host;
  ModalWindows& windows;
  ScanServices scan;
  // The change log's folder; empty for the program's own folder.
  std::wstring logFolder;
  AdapterServices adapters{};
  SchedulingServices scheduling{};
};

}  // namespace quav
