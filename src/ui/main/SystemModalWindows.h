#pragma once

#include "ui/main/MainWindowServices.h"

namespace quav {

// The real terms dialog, restart notice and About window.
class SystemModalWindows final : public ModalWindows {
 public:
  bool ShowAgreement(HWND owner, bool agree) override;
  NotificationChoice ShowNotification(HWND owner, bool hideNotify) override;
  void ShowAbout(HWND owner, const frmAbout::Content& content) override;
  std::optional<Maker> ShowMakers(HWND owner) override;
  frmSchedule::Answer ShowSchedule(HWND owner, const frmSchedule::Input& input) override;
};

}  // namespace quav
