#include "ui/side/frmMakers.h"

#include <commctrl.h>

#include <string>

#include "platform/NumberText.h"

namespace quav {
namespace {

using namespace frmMakersControls;
using K = ControlKind;

// The most rows listed: a short search matches thousands of makers, and a
// longer one finds the wanted maker among fewer.
constexpr size_t kMostListed = 200;

// The window as designed: twips, relative to the client area.
const ControlDesign kLayout[] = {
    // id       name         kind         left   top  width height caption                    font     tab
    {lblSearch, "lblSearch", K::Label,     120,  150, 5430,  240, TextId::MakerSearch,         nullptr, -1},
    {txtSearch, "txtSearch", K::TextBox,   120,  420, 5430,  315, nullptr,                     nullptr,  0},
    {lvwMakers, "lvwMakers", K::ListView,  120,  840, 5430, 2880, nullptr,                     nullptr,  1},
    {lblCount,  "lblCount",  K::Label,     120, 3810, 5430,  240, nullptr,                     nullptr, -1},
    {cmdOK,     "cmdOK",     K::Button,   2670, 4185, 1320,  375, TextId::Ok,                  nullptr,  2, true, 0, BS_DEFPUSHBUTTON},
    {cmdCancel, "cmdCancel", K::Button,   4110, 4185, 1440,  375, TextId::Cancel,              nullptr,  3},
};

// What the label under the list says of a search: nothing before anything
// is typed, else how many makers match and how many of them are listed.
std::wstring CountText(const std::wstring& text, const MakerSearch& search) {
  if (text.find_first_not_of(L" \t\x3000") == std::wstring::npos) return L"";
  if (search.matched > search.makers.size()) {
    return Say(TextId::MakerShown, {NumberText(search.matched), NumberText(search.makers.size())});
  }
  return search.matched == 1 ? Say(TextId::MakerMatchesOne) : Say(TextId::MakerMatches, {NumberText(search.matched)});
}

}  // namespace

std::span<const ControlDesign> frmMakers::Layout() { return kLayout; }

frmMakers::frmMakers() : Form(FormDesign{L"QUAV.frmMakers", L"", 5670, 4740, true, false, true, 0}) {}

void frmMakers::OnCreate() {
  AddControls(Layout());
  SetDefaultButton(cmdOK);
  SetCancelButton(cmdCancel);
  lvwMakers.Attach(Item(frmMakersControls::lvwMakers));
  Form_Load();
}

void frmMakers::Form_Load() {
  SetCaption(Say(TextId::MakerCaption));
  // "Prefixes" is wider than its Chinese header; the name gives way.
  const bool english = CurrentLanguage() == Language::English;
  lvwMakers.AddColumn(Say(TextId::MakerColumnName), Px(english ? 4090 : 4290));
  lvwMakers.AddColumn(Say(TextId::MakerColumnPrefixes), Px(english ? 1010 : 810), ColumnAlign::Right);
  lvwMakers.SetReportPresentation();
  txtSearch_Change();
}

void frmMakers::txtSearch_Change() {
  const std::wstring text = Text(txtSearch);
  search_ = FindMakers(text, kMostListed);
  // Filled out of sight: one paint for the whole list.
  ::SendMessageW(lvwMakers.Hwnd(), WM_SETREDRAW, FALSE, 0);
  lvwMakers.Clear();
  for (const Maker& maker : search_.makers) {
    const long position = lvwMakers.AddItem(maker.name);
    lvwMakers.SetSubItem(position, 1, NumberText(maker.prefixes.size()));
  }
  if (!search_.makers.empty()) lvwMakers.SetSelected(1, true);
  ::SendMessageW(lvwMakers.Hwnd(), WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(lvwMakers.Hwnd(), nullptr, TRUE);
  SetText(lblCount, CountText(text, search_));
  SetEnabled(cmdOK, !search_.makers.empty());
}

void frmMakers::cmdOK_Click() {
  const long position = lvwMakers.SelectedPosition();
  if (position < 1 || static_cast<size_t>(position) > search_.makers.size()) return;
  Chosen = MakerToDraw(search_, static_cast<size_t>(position - 1));
  Unload();
}

void frmMakers::OnCommand(int id, int code, HWND /*control*/) {
  if (id == txtSearch && code == EN_CHANGE) txtSearch_Change();
  if (code != BN_CLICKED) return;
  if (id == cmdOK) cmdOK_Click();
  if (id == cmdCancel) Unload();
}

LRESULT frmMakers::OnNotify(const NMHDR& header) {
  if (header.idFrom == static_cast<UINT_PTR>(frmMakersControls::lvwMakers) && header.code == NM_DBLCLK) cmdOK_Click();
  return 0;
}

}  // namespace quav
