#include "ui/side/modMenu.h"

#include <windows.h>

#include "platform/AnsiText.h"
#include "ui/Form.h"

namespace quav {

void AddSystemMenuItem(const Form& form, const std::wstring& caption) {
  HMENU menu = ::GetSystemMenu(form.Hwnd(), FALSE);
  ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuA(menu, MF_STRING, kSystemMenuEntryId, ToAnsi(caption).c_str());
}

}  // namespace quav
