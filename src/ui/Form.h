#pragma once

#include <windows.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/Handles.h"
#include "ui/BusyWork.h"
#include "ui/Colors.h"
#include "ui/Layout.h"

namespace quav {

struct FormDesign {
  const wchar_t* className;
  Caption caption;                // as designed; windows usually replace it at load
  int clientWidth, clientHeight;  // twips
  bool dialogFrame;               // fixed dialog (no icon) rather than fixed single
  bool minimizeBox;
  bool centerOnOwner;  // else centred on the screen
  int iconResource;    // 0: no icon
};

// A top-level window built from a control table: the thin Win32 part every
// window of the program shares (creation at the screen's resolution, control
// colours, modal showing, default and cancel buttons).
class Form {
 public:
  explicit Form(const FormDesign& design);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Creates the window and its controls, hidden.
  bool Create(HWND owner = nullptr);
  void Show();
  // Shows the window over its owner, which is disabled until the window has
  // been unloaded; returns then.
  void ShowModal(HWND owner);
  // Closes the window (and ends a modal showing).
  void Unload();

  HWND Hwnd() const { return hwnd_; }
  bool Visible() const { return hwnd_ && ::IsWindowVisible(hwnd_); }
  int Dpi() const { return fonts_.Dpi(); }

  std::wstring Caption() const;
  void SetCaption(std::wstring_view caption);
  // Draws now what is waiting to be drawn.
  void Repaint();

  HWND Item(int id) const;
  std::wstring Text(int id) const;
  void SetText(int id, std::wstring_view text);
  bool Enabled(int id) const;
  void SetEnabled(int id, bool enabled);
  void Focus(int id);
  // Back and fore colours of a label, text box or check box.
  void SetBackColor(int id, DesignColor color);
  void SetForeColor(int id, DesignColor color);
  std::optional<DesignColor> ForeColor(int id) const;

  // Geometry in twips, as the designs give it: the outer frame's left, top
  // and height on the screen, and the client area's height.
  int LeftTwips() const;
  int TopTwips() const;
  int HeightTwips() const;
  int ScaleWidthTwips() const;
  int ScaleHeightTwips() const;
  int Px(int twips) const;
  int Twips(int pixels) const;
  // Moves and sizes a control, in twips.
  void PlaceControl(int id, int left, int top, int width, int height);
  RECT ControlRectTwips(int id) const;

 protected:
  // Builds the controls; called once the window exists.
  virtual void OnCreate() = 0;
  virtual void OnCommand(int /*id*/, int /*code*/, HWND /*control*/) {}
  virtual LRESULT OnNotify(const NMHDR& /*header*/) { return 0; }
  virtual void OnTimer(UINT_PTR /*id*/) {}
  virtual void OnActivate(bool /*active*/) {}
  virtual void OnDestroy() {}
  // Any other message; return true when handled and set result.
  virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) {
    return false;
  }

  void AddControls(std::span<const ControlDesign> table);
  void SetDefaultButton(int id) { defaultButton_ = id; }
  void SetCancelButton(int id) { cancelButton_ = id; }
  FontCache& Fonts() { return fonts_; }

 private:
  friend class BusyWork;

  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT ControlColor(HDC dc, HWND control, bool edit);
  HBRUSH Brush(COLORREF color);

  FormDesign design_;
  HWND hwnd_ = nullptr;
  HWND owner_ = nullptr;
  bool modal_ = false;
  FontCache fonts_;
  std::unordered_map<int, HWND> controls_;
  std::unordered_map<int, DesignColor> backColors_;
  std::unordered_map<int, DesignColor> foreColors_;
  std::unordered_map<COLORREF, UniqueHbrush> brushes_;
  UniqueHicon bigIcon_;
  UniqueHicon smallIcon_;
  int defaultButton_ = 0;
  int cancelButton_ = 0;
  HWND lastFocus_ = nullptr;
  BusyWork* busy_ = nullptr;    // the outermost busy work under way
  BusyWork::Waiting afterBusy_;  // what waits for the handler that began it to return
  int handlers_ = 0;            // handlers of the window's messages under way, nested
};

// The program's message loop: runs until the main window has gone.
int RunMessageLoop();

// Lets every window message waiting in the queue run, then returns.
void DoEvents();

// Dispatches a message taken from the queue as the program's loop does.
void DispatchQueued(MSG& msg);

}  // namespace quav
