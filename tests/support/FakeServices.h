#pragma once

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "adapters/AdapterFacts.h"
#include "change/AdapterDevices.h"
#include "change/RandomAddress.h"
#include "ui/main/MainWindowServices.h"
#include "ui/main/frmMain.h"

namespace quav::test {

// Stands in for the program around the main window: records what the window
// asks for instead of ending the process, showing message boxes or opening
// programs.
class FakeHost final : public ProgramHost {
 public:
  struct Message {
    std::wstring text;
    std::wstring title;
    UINT style;
  };
  struct Opened {
    HWND owner;
    std::wstring file, parameters, directory;
  };

  bool PreviousInstanceRunning() override { return previousInstance; }
  void EndProgram() override { ++ended; }
  int ShowMessage(HWND, const std::wstring& text, const std::wstring& title, UINT style) override {
    messages.push_back({text, title, style});
    if (onMessage) onMessage();
    return (style & MB_TYPEMASK) == MB_YESNO ? yesNoAnswer : IDOK;
  }
  void OpenWithShell(HWND owner, const std::wstring& file, const std::wstring& parameters,
                     const std::wstring& directory) override {
    opened.push_back({owner, file, parameters, directory});
  }
  void OpenLink(HWND owner, const std::wstring& target, const std::wstring& directory) override {
    opened.push_back({owner, target, L"", directory});
  }

  bool previousInstance = false;
  int yesNoAnswer = IDNO;  // the user's answer to a question
  std::function<void()> onMessage;  // while the box would show, its loop running
  int ended = 0;
  std::vector<Message> messages;
  std::vector<Opened> opened;
};

// The modal windows, answered by the test: each call returns what the given
// answer says (accepting the terms, ticking the notice's box...); without
// one, what a window closed without an answer returns.
class FakeWindows final : public ModalWindows {
 public:
  bool ShowAgreement(HWND, bool agree) override {
    ++agreementShown;
    return onAgreement ? onAgreement() : agree;
  }
  NotificationChoice ShowNotification(HWND, bool hideNotify) override {
    ++notificationShown;
    return onNotification ? onNotification() : NotificationChoice{hideNotify, false};
  }
  void ShowAbout(HWND, const frmAbout::Content&) override {
    ++aboutShown;
    if (onAbout) onAbout();
  }

  std::optional<Maker> ShowMakers(HWND) override {
    ++makersShown;
    return chosenMaker;
  }
  frmSchedule::Answer ShowSchedule(HWND, const frmSchedule::Input& input) override {
    scheduleShown.push_back(input);
    return scheduleAnswer;
  }

  std::function<bool()> onAgreement;
  std::function<NotificationChoice()> onNotification;
  std::function<void()> onAbout;
  int agreementShown = 0;
  int notificationShown = 0;
  int aboutShown = 0;
  std::optional<Maker> chosenMaker;  // the maker search's answer
  int makersShown = 0;
  std::vector<frmSchedule::Input> scheduleShown;
  frmSchedule::Answer scheduleAnswer;  // the schedule window's answer
};

// Devices that restart as the test says, recording each request.
class FakeDevices final : public AdapterDevices {
 public:
  RestartResult Restart(const std::wstring& adapterIndex) override {
    restarted.push_back(adapterIndex);
    if (onRestart) onRestart(adapterIndex);
    return result;
  }

  RestartResult result{RestartStatus::Restarted, 0};
  std::function<void(const std::wstring&)> onRestart;
  std::vector<std::wstring> restarted;
};

// The interface table and media as the test sets them, by class subkey name.
class FakeFacts final : public AdapterFacts {
 public:
  std::optional<std::wstring> ActiveAddress(const std::wstring& adapterIndex) override {
    ++activeReads;
    if (onActiveRead) onActiveRead(adapterIndex);
    const auto found = active.find(adapterIndex);
    if (found == active.end()) return std::nullopt;
    return found->second;
  }
  std::optional<std::wstring> PermanentAddress(const std::wstring& adapterIndex) override {
    ++permanentReads;
    if (onPermanentRead) onPermanentRead(adapterIndex);
    const auto found = permanent.find(adapterIndex);
    if (found == permanent.end()) return std::nullopt;
    return found->second;
  }
  bool IsWireless(const std::wstring& adapterIndex) override { return wireless.count(adapterIndex) > 0; }
  NetworkIdentity Network(const std::wstring& adapterIndex) override {
    const auto found = networks.find(adapterIndex);
    return found == networks.end() ? NetworkIdentity{} : found->second;
  }
  WindowsRandomAddress RandomAddress(const std::wstring& adapterIndex) override {
    const auto found = random.find(adapterIndex);
    return found == random.end() ? WindowsRandomAddress::Unknown : found->second;
  }

  std::map<std::wstring, std::wstring> active;
  std::map<std::wstring, NetworkIdentity> networks;  // none: the network cannot be told
  std::map<std::wstring, std::wstring> permanent;
  std::map<std::wstring, bool> wireless;
  std::map<std::wstring, WindowsRandomAddress> random;
  // On whichever thread asks (the row tips ask on threads of their own), before each answer.
  std::function<void(const std::wstring&)> onPermanentRead;
  std::atomic<int> permanentReads{0};
  std::function<void(const std::wstring&)> onActiveRead;  // before each read is answered
  int activeReads = 0;
};

// A random source that gives the test's bytes, or fails when told.
class FakeRandom final : public RandomSource {
 public:
  bool Fill(MacBytes& bytes) override {
    bytes = drawn;
    return works;
  }

  MacBytes drawn{0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
  bool works = true;
};

// The list view and the other common controls, for windows made in a test.
inline void InitControls() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
}

}  // namespace quav::test
