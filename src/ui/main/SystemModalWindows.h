#pragma once

#include "ui/main/MainWindowServices.h"

namespace quav {

// The real terms dialog, restart notice and About window.
class SystemModalWindows final : public ModalWindows {
 public:
  void ShowAgreement(frmMain& owner) override;
  void ShowNotification(frmMain& owner) override;
  void ShowAbout(frmMain& owner) override;
};

}  // namespace quav
