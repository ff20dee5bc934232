#pragma once

#include <windows.h>

#include <span>
#include <unordered_map>
#include <vector>

#include "platform/Handles.h"
#include "platform/Texts.h"

// Windows are declared as tables of controls, as they are designed: name,
// kind, geometry in twips, caption, font and start state. One routine turns a
// table into child windows scaled to the screen's resolution.
namespace quav {

enum class ControlKind {
  Label,          // STATIC text
  LinkLabel,      // STATIC text that reports clicks and the mouse moving over it
  Button,         // push button
  PictureButton,  // push button showing a bitmap instead of a caption
  CheckBox,
  OptionButton,   // one of a group of round buttons; the first of the group has WS_GROUP
  TextBox,        // single-line edit
  MultiLineText,  // read-only multi-line edit with a vertical scroll bar
  ListView,       // report-style common-controls list
  PictureBox,     // holds a bitmap or other controls; reports clicks and mouse moves
};

struct FontDesign {
  const wchar_t* face;
  int centipoints;  // 975 for 9.75 pt
  bool bold;
  BYTE charset;
};

// A caption as designed: a text of the language the program speaks, or a
// symbol or name that reads the same in every language.
class Caption {
 public:
  // Implicit, so that tables list captions bare.
  // cppcheck-suppress noExplicitConstructor
  constexpr Caption(const wchar_t* fixed = nullptr) : fixed_(fixed) {}
  // cppcheck-suppress noExplicitConstructor
  constexpr Caption(TextId id) : id_(id), text_(true) {}
  // nullptr: none.
  const wchar_t* Text() const { return text_ ? Say(id_) : fixed_; }

 private:
  const wchar_t* fixed_ = nullptr;
  TextId id_ = TextId::Count;
  bool text_ = false;
};

struct ControlDesign {
  int id;
  const char* name;
  ControlKind kind;
  int left, top, width, height;  // twips, relative to the parent's client area
  Caption caption;
  const FontDesign* font;          // nullptr: the window's default font
  int tabIndex;                  // -1: not a tab stop
  bool enabled = true;
  int parentId = 0;  // 0: the form itself; otherwise a picture box of the same table
  DWORD style = 0;   // extra window styles
  DWORD exStyle = 0;
};

// Fonts of one window at one resolution, created once and kept for the
// window's life.
class FontCache {
 public:
  explicit FontCache(int dpi) : dpi_(dpi) {}
  HFONT Get(const FontDesign* design);
  int Dpi() const { return dpi_; }

 private:
  int dpi_;
  std::unordered_map<const FontDesign*, UniqueHfont> fonts_;
};

// The platform's dialog font, which the designs call the window default.
const FontDesign& DefaultFont();

// The font a design stands for in the language the program speaks: in
// English the system's message font replaces the Chinese designs' faces, at
// the designed size and weight.
FontDesign SpokenFont(const FontDesign& design);

// The screen's dots per inch (the same vertically and horizontally here).
int ScreenDpi();

// Creates the controls of a table as children of the form (or of the
// table's picture boxes), in tab order, and returns them by id.
std::unordered_map<int, HWND> CreateControls(HWND form, std::span<const ControlDesign> table, FontCache& fonts);

// The window class of picture boxes; registered on first use.
const wchar_t* PictureBoxClass();

// Notifications a picture box and a link label send their form through
// WM_COMMAND (the control's id in the low word).
inline constexpr WORD kNotifyClick = 0x7F01;
inline constexpr WORD kNotifyMouseMove = 0x7F02;

// Messages a picture box understands: show a bitmap (not owned; stretched to
// the box) and set the colour behind it.
inline constexpr UINT kPictureSetBitmap = WM_APP + 0x301;
inline constexpr UINT kPictureSetBackColor = WM_APP + 0x302;
// Marks a picture box as a link: the pointer becomes a hand over it.
inline constexpr UINT kPictureSetLink = WM_APP + 0x303;
// Returns the bitmap a picture box shows (null: none).
inline constexpr UINT kPictureGetBitmap = WM_APP + 0x304;

}  // namespace quav
