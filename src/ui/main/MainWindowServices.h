#pragma once

#include <windows.h>

#include <string>

#include "adapters/AdapterScan.h"

namespace quav {

class frmMain;
class AdapterDevices;
class AdapterFacts;
class ErrorReporter;
class HardwareAddressLookup;
class WmiAdapterSource;

// What the main window asks of the program around it; tests stand in for it.
class ProgramHost {
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
  // Opens a web address or mail link. An elevated program opens it through
  // the desktop's unelevated shell where there is one; the directory is only
  // used where the link is opened directly.
  virtual void OpenLink(HWND owner, const std::wstring& target, const std::wstring& directory) = 0;
};

// The windows the main window shows modally over itself.
class ModalWindows {
 public:
  virtual ~ModalWindows() = default;
  virtual void ShowAgreement(frmMain& owner) = 0;
  virtual void ShowNotification(frmMain& owner) = 0;
  virtual void ShowAbout(frmMain& owner) = 0;
};

// What restarting and checking an adapter uses; null members mean the system's.
struct AdapterServices {
  AdapterDevices* devices = nullptr;
  AdapterFacts* facts = nullptr;
};

struct MainWindowServices {
  ProgramHost& host;
  ModalWindows& windows;
  ScanServices scan;
  // The change log's folder; empty for the program's own folder.
  std::wstring logFolder;
  AdapterServices adapters{};
};

}  // namespace quav
