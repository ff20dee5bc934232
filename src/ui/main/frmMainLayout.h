#pragma once

#include <windows.h>

#include <span>

#include "ui/Form.h"
#include "ui/Layout.h"

// The main window as designed, apart from its procedures: its frame, its
// control table and its menu bar.
namespace quav {

const FormDesign& MainWindowDesign();
std::span<const ControlDesign> MainWindowLayout();
// Creates the menu bar and hands it to the window, which destroys it with itself.
void SetMainMenuBar(HWND window);
// Adds the language entries to the window's system menu, the language
// spoken now checked.
void AddLanguageMenu(HWND window, Language spoken);
// Adds the entry for a random address of a chosen maker to the system menu.
void AddMakerMenuEntry(HWND window);
// The schedule of the selected adapter, and putting every adapter back.
void AddScheduleMenuEntries(HWND window);
// Checks the entry of a language.
void CheckLanguageEntry(HWND window, Language language);
// Gives the buttons that show a picture instead of a caption (clear, and the
// two copy buttons) a tip that says what they do. The tip window belongs to
// the main window, which destroys it with itself.
void AddPictureButtonTips(const Form& window);

}  // namespace quav
