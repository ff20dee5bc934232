#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "schedule/ScheduleRules.h"
#include "ui/Form.h"

namespace quav {

namespace frmScheduleControls {
enum : int {
  lblAdapter = 1501,
  lblMoments,
  chkBoot,
  chkLogon,
  chkWake,
  chkConnect,
  lblKind,
  optRandom,
  optKeepMaker,
  optMaker,
  txtMaker,
  optPerNetwork,
  chkDaily,
  chkNetworkMaker,
  lblWindows,
  cmdUseWindows,
  lblCurrentCaption,
  lblCurrent,
  cmdSchedule,
  cmdRemove,
  cmdClose,
};
}  // namespace frmScheduleControls

// The schedule of one adapter: the moments its address changes at, the kind
// of address, and the schedule it has now. It gives back what the user
// chose; the main window runs it.
class frmSchedule final : public Form {
 public:
  static std::span<const ControlDesign> Layout();

  struct Input {
    std::wstring adapter;      // the class subkey, 0007
    std::wstring description;  // the adapter's name in the list
    std::optional<Schedule> current;
    // A Wi-Fi network Windows could give the adapter a random address of its
    // own on (offered), or gives it one on already (said).
    std::optional<std::wstring> windowsOffer{};
    std::optional<std::wstring> windowsInForce{};
  };
  // UseWindows: Windows' own random address on the offered network.
  enum class Choice { None, Schedule, Remove, UseWindows };
  // For Schedule: the moments, and the kind of address (a maker as typed,
  // a name or a prefix, in makerText).
  struct Answer {
    Choice choice = Choice::None;
    std::vector<Moment> moments;
    AddressSource source = AddressSource::Random;
    std::wstring makerText;
    bool daily = false;      // PerNetwork, and UseWindows: a new address each day
    bool keepMaker = false;  // PerNetwork: the adapter's own maker's prefix
  };

  explicit frmSchedule(Input input);

  Answer Chosen;

  void Form_Load();
  // Schedule is possible with a moment, and with a maker's text when a maker is asked for.
  void UpdateButtons();
  void cmdSchedule_Click();
  void cmdRemove_Click();
  void cmdUseWindows_Click();

 protected:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;

 private:
  Input input_;
};

}  // namespace quav
