#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "platform/Handles.h"
#include "ui/Form.h"

namespace quav {

// A horizontal line of a window's design: twips, width in pixels.
struct DesignLine {
  int x1;
  int y;
  int x2;
  DesignColor color;
  int width;
};

// What the terms dialog and the About window share: a fixed dialog over the
// main window that shows the application icon and draws an etched rule of
// two lines.
class SideWindow : public Form {
 protected:
  SideWindow(const FormDesign& design, const std::array<DesignLine, 2>& rule);

  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  // Shows a bitmap (not owned) in a picture box sized to the bitmap.
  void ShowPicture(int boxId, HBITMAP picture);
  // The 32×32 application icon on the button face, in a picture box.
  void ShowApplicationIcon(int boxId);

 private:
  void PaintRule();

  std::array<DesignLine, 2> rule_;
  UniqueHbitmap icon_;
};

}  // namespace quav
