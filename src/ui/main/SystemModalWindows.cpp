#include "ui/main/SystemModalWindows.h"

#include "ui/side/frmAgreement.h"
#include "ui/side/frmMakers.h"
#include "ui/side/frmNotification.h"

namespace quav {

bool SystemModalWindows::ShowAgreement(HWND owner, bool agree) {
  frmAgreement dialog;
  dialog.Agree = agree;
  dialog.ShowModal(owner);
  return dialog.Agree;
}

NotificationChoice SystemModalWindows::ShowNotification(HWND owner, bool hideNotify) {
  frmNotification notice;
  notice.HideNotify = hideNotify;
  notice.ShowModal(owner);
  return {notice.HideNotify, notice.RestartNow};
}

void SystemModalWindows::ShowAbout(HWND owner, const frmAbout::Content& content) {
  frmAbout about(content);
  about.ShowModal(owner);
}

std::optional<Maker> SystemModalWindows::ShowMakers(HWND owner) {
  frmMakers makers;
  makers.ShowModal(owner);
  return makers.Chosen;
}

frmSchedule::Answer SystemModalWindows::ShowSchedule(HWND owner, const frmSchedule::Input& input) {
  frmSchedule schedule(input);
  schedule.ShowModal(owner);
  return schedule.Chosen;
}

}  // namespace quav
