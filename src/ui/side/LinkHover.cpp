#include "ui/side/LinkHover.h"

#include "ui/Layout.h"
#include "ui/side/HoverRules.h"

namespace quav {
namespace {

bool FontUnderlined(HWND control) {
  HFONT font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
  LOGFONTW lf{};
  return font && ::GetObjectW(font, sizeof lf, &lf) && lf.lfUnderline;
}

bool CursorOverControl(const Form& form, int controlId) {
  POINT cursor{};
  if (!::GetCursorPos(&cursor)) return false;
  const double twipsPerPixel = 1440.0 / form.Dpi();
  const FrameTwips frame{form.LeftTwips(), form.TopTwips(), form.HeightTwips(), form.ScaleHeightTwips()};
  const PointTwips point = CursorInWindowTwips(cursor.x, cursor.y, twipsPerPixel, twipsPerPixel, frame);
  const RECT rc = form.ControlRectTwips(controlId);
  return IsOverElement(point, RectTwips{rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top});
}

}  // namespace

void ShowLabelHover(Form& form, int labelId) {
  if (!FontUnderlined(form.Item(labelId))) form.SetForeColor(labelId, kLinkHoverColor);
}

void ShowLabelNormal(Form& form, int labelId) { form.SetForeColor(labelId, kLinkNormalColor); }

void ShowLogoHover(HWND box, HBITMAP highlight, std::wstring& tag) {
  if (TagReadsTrue(tag)) return;
  ::SendMessageW(box, kPictureSetBitmap, 0, reinterpret_cast<LPARAM>(highlight));
  tag = L"True";
}

void ShowLogoNormal(HWND box, HBITMAP normal, std::wstring& tag) {
  ::SendMessageW(box, kPictureSetBitmap, 0, reinterpret_cast<LPARAM>(normal));
  tag = L"False";
}

void EnableResetTimer(const Form& form, UINT_PTR timerId) {
  ::SetTimer(form.Hwnd(), timerId, kHoverResetInterval, nullptr);
}

bool StopWhenCursorLeft(const Form& form, UINT_PTR timerId, int controlId) {
  if (CursorOverControl(form, controlId)) return false;
  ::KillTimer(form.Hwnd(), timerId);
  return true;
}

}  // namespace quav
