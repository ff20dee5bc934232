#include "ui/side/frmSchedule.h"

#include <algorithm>
#include <iterator>

#include "schedule/ScheduleOperation.h"
#include "ui/ListView.h"

namespace quav {
namespace {

using namespace frmScheduleControls;
using K = ControlKind;

// The check box of each moment, in the order of kMoments.
constexpr int kMomentBoxes[] = {chkBoot, chkLogon, chkWake, chkConnect};
constexpr int kKindOptions[] = {optRandom, optMaker, optKeepMaker, optPerNetwork};  // in the order of AddressSource

const ControlDesign kLayout[] = {
    // id                name                 kind           left   top  width height caption                          font     tab
    {lblAdapter,        "lblAdapter",        K::Label,        120,  150, 5460,  480, nullptr,                          nullptr, -1},
    {lblMoments,        "lblMoments",        K::Label,        120,  720, 5460,  240, TextId::ScheduleMoments,          nullptr, -1},
    {chkBoot,           "chkBoot",           K::CheckBox,     240, 1020, 2580,  285, TextId::MomentBootCheck,          nullptr,  0},
    {chkLogon,          "chkLogon",          K::CheckBox,    2940, 1020, 2640,  285, TextId::MomentLogonCheck,         nullptr,  1},
    {chkWake,           "chkWake",           K::CheckBox,     240, 1335, 2580,  285, TextId::MomentWakeCheck,          nullptr,  2},
    {chkConnect,        "chkConnect",        K::CheckBox,    2940, 1335, 2640,  285, TextId::MomentConnectCheck,       nullptr,  3},
    {lblKind,           "lblKind",           K::Label,        120, 1740, 5460,  240, TextId::ScheduleKind,             nullptr, -1},
    {optRandom,         "optRandom",         K::OptionButton, 240, 2040, 5340,  285, TextId::ScheduleKindRandom,       nullptr,  4, true, 0, WS_GROUP},
    {optKeepMaker,      "optKeepMaker",      K::OptionButton, 240, 2355, 5340,  285, TextId::ScheduleKindKeepMaker,    nullptr,  5},
    {optMaker,          "optMaker",          K::OptionButton, 240, 2670, 2100,  285, TextId::ScheduleKindMaker,        nullptr,  6},
    {txtMaker,          "txtMaker",          K::TextBox,     2400, 2655, 3180,  315, nullptr,                          nullptr,  7, true, 0, WS_GROUP},
    {optPerNetwork,     "optPerNetwork",     K::OptionButton, 240, 2985, 5340,  285, TextId::ScheduleKindPerNetwork,   nullptr,  8},
    {chkDaily,          "chkDaily",          K::CheckBox,     480, 3300, 2160,  285, TextId::ScheduleDaily,            nullptr,  9, true, 0, WS_GROUP},
    {chkNetworkMaker,   "chkNetworkMaker",   K::CheckBox,    2700, 3300, 2880,  285, TextId::SchedulePerNetworkMaker,  nullptr, 10},
    {lblWindows,        "lblWindows",        K::Label,        480, 3660, 5100,  720, nullptr,                          nullptr, -1},
    {cmdUseWindows,     "cmdUseWindows",     K::Button,       480, 4425, 2400,  375, TextId::ScheduleUseWindows,       nullptr, 11},
    {lblCurrentCaption, "lblCurrentCaption", K::Label,        120, 4950, 5460,  240, TextId::ScheduleCurrent,          nullptr, -1},
    {lblCurrent,        "lblCurrent",        K::Label,        240, 5220, 5340,  720, nullptr,                          nullptr, -1},
    {cmdSchedule,       "cmdSchedule",       K::Button,      1410, 6105, 1320,  375, TextId::ScheduleApply,            nullptr, 12, true, 0, BS_DEFPUSHBUTTON},
    {cmdRemove,         "cmdRemove",         K::Button,      2850, 6105, 1320,  375, TextId::ScheduleRemove,           nullptr, 13},
    {cmdClose,          "cmdClose",          K::Button,      4290, 6105, 1290,  375, TextId::ScheduleClose,            nullptr, 14},
};

bool Checked(const Form& form, int id) { return CheckBox(form.Item(id)).Value() == 1; }

}  // namespace

std::span<const ControlDesign> frmSchedule::Layout() { return kLayout; }

frmSchedule::frmSchedule(Input input)
    : Form(FormDesign{L"QUAV.frmSchedule", L"", 5700, 6645, true, false, true, 0}), input_(std::move(input)) {}

void frmSchedule::OnCreate() {
  AddControls(Layout());
  SetDefaultButton(cmdSchedule);
  SetCancelButton(cmdClose);
  Form_Load();
}

void frmSchedule::Form_Load() {
  SetCaption(Say(TextId::ScheduleCaption));
  SetText(lblAdapter, Say(TextId::ScheduleAdapter, {input_.adapter, input_.description}));
  const Schedule shown = input_.current.value_or(Schedule{input_.adapter, DefaultMoments(), {}});
  for (size_t k = 0; k < std::size(kMoments); ++k) {
    const bool on = std::find(shown.moments.begin(), shown.moments.end(), kMoments[k]) != shown.moments.end();
    CheckBox(Item(kMomentBoxes[k])).SetValue(on ? 1 : 0);
  }
  CheckBox(Item(kKindOptions[static_cast<size_t>(shown.address.source)])).SetValue(1);
  SetText(txtMaker, shown.address.maker);
  CheckBox(Item(chkDaily)).SetValue(shown.address.daily ? 1 : 0);
  CheckBox(Item(chkNetworkMaker)).SetValue(shown.address.keepMaker ? 1 : 0);
  // Windows' own random address is said only for a Wi-Fi network it knows of.
  const bool windows = input_.windowsOffer || input_.windowsInForce;
  SetText(lblWindows, input_.windowsOffer     ? Say(TextId::ScheduleWindowsOffer, {*input_.windowsOffer})
                      : input_.windowsInForce ? Say(TextId::ScheduleWindowsInForce, {*input_.windowsInForce})
                                              : std::wstring());
  ::ShowWindow(Item(lblWindows), windows ? SW_SHOWNA : SW_HIDE);
  ::ShowWindow(Item(cmdUseWindows), input_.windowsOffer ? SW_SHOWNA : SW_HIDE);
  SetText(lblCurrent, input_.current ? ScheduleText(*input_.current) : std::wstring(Say(TextId::ScheduleNone)));
  SetEnabled(cmdRemove, input_.current.has_value());
  UpdateButtons();
}

void frmSchedule::UpdateButtons() {
  const bool anyMoment = std::any_of(std::begin(kMomentBoxes), std::end(kMomentBoxes),
                                     [this](int id) { return Checked(*this, id); });
  const bool maker = Checked(*this, optMaker);
  SetEnabled(txtMaker, maker);
  const bool perNetwork = Checked(*this, optPerNetwork);
  SetEnabled(chkDaily, perNetwork);
  SetEnabled(chkNetworkMaker, perNetwork);
  SetEnabled(cmdUseWindows, input_.windowsOffer.has_value());
  SetEnabled(cmdSchedule, anyMoment && (!maker || !Text(txtMaker).empty()));
}

void frmSchedule::cmdSchedule_Click() {
  if (!Enabled(cmdSchedule)) return;
  Chosen = {Choice::Schedule, {}, AddressSource::Random, L""};
  for (size_t k = 0; k < std::size(kMoments); ++k) {
    if (Checked(*this, kMomentBoxes[k])) Chosen.moments.push_back(kMoments[k]);
  }
  for (size_t k = 0; k < std::size(kKindOptions); ++k) {
    if (Checked(*this, kKindOptions[k])) Chosen.source = static_cast<AddressSource>(k);
  }
  if (Chosen.source == AddressSource::Maker) Chosen.makerText = Text(txtMaker);
  if (Chosen.source == AddressSource::PerNetwork) {
    Chosen.daily = Checked(*this, chkDaily);
    Chosen.keepMaker = Checked(*this, chkNetworkMaker);
  }
  Unload();
}

void frmSchedule::cmdUseWindows_Click() {
  if (!input_.windowsOffer) return;
  Chosen = {Choice::UseWindows, {}, AddressSource::PerNetwork, L"", Checked(*this, chkDaily), false};
  Unload();
}

void frmSchedule::cmdRemove_Click() {
  if (!Enabled(cmdRemove)) return;
  Chosen.choice = Choice::Remove;
  Unload();
}

void frmSchedule::OnCommand(int id, int code, HWND /*control*/) {
  if (id == txtMaker && code == EN_CHANGE) UpdateButtons();
  if (code != BN_CLICKED) return;
  switch (id) {
    case cmdSchedule: cmdSchedule_Click(); break;
    case cmdRemove: cmdRemove_Click(); break;
    case cmdUseWindows: cmdUseWindows_Click(); break;
    case optPerNetwork:
      // The connect task is what moves the adapter to another network's address.
      CheckBox(Item(chkConnect)).SetValue(1);
      UpdateButtons();
      break;
    case cmdClose: Unload(); break;
    default: UpdateButtons(); break;
  }
}

}  // namespace quav
