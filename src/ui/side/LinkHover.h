#pragma once

#include <windows.h>

#include <string>

#include "ui/Form.h"

// The hover look of link labels and logos: MouseMove starts it and a 100 ms
// timer per element ends it once the screen cursor is outside, so a quick
// exit across the window's border is noticed too.
namespace quav {

inline constexpr UINT kHoverResetInterval = 100;  // ms
inline constexpr DesignColor kLinkHoverColor = 0xFF0000;
inline constexpr DesignColor kLinkNormalColor = kSystemButtonText;

// Blue text, unless the label's font is underlined.
void ShowLabelHover(Form& form, int labelId);
void ShowLabelNormal(Form& form, int labelId);

// The highlighted logo; not reloaded while the tag says it is shown.
void ShowLogoHover(HWND box, HBITMAP highlight, std::wstring& tag);
void ShowLogoNormal(HWND box, HBITMAP normal, std::wstring& tag);

// Starts, or restarts, one of the form's hover-reset timers.
void EnableResetTimer(const Form& form, UINT_PTR timerId);

// A reset timer's tick: once the cursor is outside the control, stops the
// timer and returns true for the caller to restore the normal look.
bool StopWhenCursorLeft(const Form& form, UINT_PTR timerId, int controlId);

}  // namespace quav
