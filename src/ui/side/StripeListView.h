#pragma once

#include <windows.h>

namespace quav {

class Form;
class ListView;

// Gives the report list alternating row colours: the stripe colour and the
// window background. On a display of fewer than 16 bits per pixel the stripe
// colour becomes white, and so does the caller's variable. The picture box is
// the list's scratch surface; it is hidden and disabled.
void StripeListView(COLORREF& stripeColor, Form& form, ListView& list, HWND pictureBox);

}  // namespace quav
