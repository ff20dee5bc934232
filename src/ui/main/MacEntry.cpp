// The six entry boxes of the main window and the buttons that fill and empty them.
#include <windows.h>

#include <algorithm>

#include "change/RandomAddress.h"
#include "platform/TextRules.h"
#include "ui/main/MacText.h"
#include "ui/WindowTitle.h"
#include "ui/main/frmMain.h"
#include "ui/main/frmMainControls.h"

namespace quav {

using namespace frmMainControls;

std::wstring frmMain::FormatMAC(std::wstring text, bool fillBoxes) {
  const MacFormat formatted = FormatMacText(std::move(text), fillBoxes);
  if (formatted.boxes) {
    for (int k = 0; k < 6; ++k) SetTxtMAC(k, (*formatted.boxes)[static_cast<size_t>(k)]);
  }
  return formatted.display;
}

void frmMain::txtMAC_GotFocus(int index) {
  // Typing then replaces what is there.
  ::SendMessageW(Item(txtMAC(index)), EM_SETSEL, 0, 2);
}

void frmMain::txtMAC_KeyPress(int /*index*/, int& keyAscii) { keyAscii = FilterEntryKey(keyAscii); }

void frmMain::txtMAC_LostFocus(int index) {
  const std::wstring text = TxtMAC(index);
  const std::wstring completed = CompleteEntryBox(text);
  if (completed != text) SetTxtMAC(index, completed);
}

void frmMain::txtMAC_Change(int /*index*/) {
  SetEnabled(cmdUpdate, UpdateButtonEnabled(JoinedBoxes().size(), lvwNIC.Count()));
  SetEnabled(cmdClear, ClearButtonEnabled(JoinedBoxes().size()));
}

void frmMain::cmdClear_Click() {
  FormatMAC(L"", true);
  if (Visible()) Focus(txtMAC(0));
  SetEnabled(cmdClear, false);
}

namespace {

void CopyAddressIntoBoxes(frmMain& form, int label) {
  const std::wstring caption = Trimmed(form.Text(label));
  if (!caption.empty()) form.FormatMAC(Removed(caption, L'-'), true);
  if (form.Visible()) form.Focus(txtMAC(0));
}

}  // namespace

void frmMain::cmdActiveMAC_Click() { CopyAddressIntoBoxes(*this, lblActiveMAC); }

void frmMain::cmdSpoofMAC_Click() { CopyAddressIntoBoxes(*this, lblSpoofedMAC); }

// Only fills the boxes: the user sees the address before "更新 MAC" stores it.
void frmMain::mnuRandom_Click() {
  // Not while the boxes are locked (nothing listed).
  if (!Enabled(txtMAC(0))) return;
  const std::optional<MacBytes> address = RandomAddress();
  if (!address) {
    services_.host.ShowMessage(Hwnd(), Say(TextId::NoRandomInWindow), WindowTitle(),
                               MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  FormatMAC(MacDigits(*address), true);
  if (Visible()) Focus(txtMAC(0));
}

void frmMain::mnuMakerRandom_Click() {
  if (!Enabled(txtMAC(0))) return;
  const std::optional<Maker> maker = services_.windows.ShowMakers(Hwnd());
  if (!maker) return;
  if (std::none_of(maker->prefixes.begin(), maker->prefixes.end(), IndividualPrefix)) {
    const std::wstring why =
        maker->prefixes.size() == 1
            ? Say(TextId::MakerPrefixNotIndividual, {PrefixText(maker->prefixes.front()), maker->name})
            : Say(TextId::MakerNoIndividual, {maker->name});
    services_.host.ShowMessage(Hwnd(), why, WindowTitle(), MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  const std::optional<MacBytes> address = RandomAddressOf(maker->prefixes);
  if (!address) {
    services_.host.ShowMessage(Hwnd(), Say(TextId::NoRandomInWindow), WindowTitle(), MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  FormatMAC(MacDigits(*address), true);
  if (Visible()) Focus(txtMAC(0));
}

// Pasted text goes through the same filter as typed keys, so a box never holds
// anything but upper-case hexadecimal digits (at most two of them: the box's
// limit applies to pasting too).
void frmMain::PasteIntoBox(int index) {
  std::wstring clipboard;
  if (::OpenClipboard(Hwnd())) {
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
      if (const auto* text = static_cast<const wchar_t*>(::GlobalLock(data))) {
        clipboard = text;
        ::GlobalUnlock(data);
      }
    }
    ::CloseClipboard();
  }
  std::wstring digits;
  for (wchar_t c : clipboard) {
    int key = c;
    txtMAC_KeyPress(index, key);
    if (key != 0 && key != 8) digits.push_back(static_cast<wchar_t>(key));
  }
  if (!digits.empty()) {
    ::SendMessageW(Item(txtMAC(index)), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(digits.c_str()));
  }
}

}  // namespace quav
