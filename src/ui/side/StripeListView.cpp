#include "ui/side/StripeListView.h"

#include <commctrl.h>

#include "ui/Form.h"
#include "ui/ListView.h"
#include "ui/side/StripeRules.h"
#include "ui/side/modBitsPerPixel.h"

namespace quav {

// The rows are coloured as the list draws them (custom draw) rather than by a
// tiled background picture: that follows the rows exactly below the header
// and on every version of the list control, including those that ignore
// background pictures.
void StripeListView(COLORREF& stripeColor, Form& form, ListView& list, HWND pictureBox) {
  {
    WindowDc dc(form.Hwnd());
    stripeColor = StripeColorForDepth(GetBitsPerPixel(dc.get()), stripeColor);
  }
  LVBKIMAGEW none{};
  none.ulFlags = LVBKIF_SOURCE_NONE;
  ::SendMessageW(list.Hwnd(), LVM_SETBKIMAGEW, 0, reinterpret_cast<LPARAM>(&none));
  ::ShowWindow(list.Hwnd(), SW_SHOW);
  if (pictureBox) {
    ::ShowWindow(pictureBox, SW_HIDE);
    ::EnableWindow(pictureBox, FALSE);
  }
  list.SetStripeColor(stripeColor);
  list.Repaint();
  DoEvents();
}

}  // namespace quav
