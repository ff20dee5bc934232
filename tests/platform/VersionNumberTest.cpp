#include "platform/VersionNumber.h"

#include <gtest/gtest.h>

namespace quav {
namespace {

TEST(VersionNumber, LeadingNumberStopsAtTheSecondPoint) {
  EXPECT_DOUBLE_EQ(5.1, LeadingNumber(L"5.1.2600"));
  EXPECT_DOUBLE_EQ(192.168, LeadingNumber(L"192.168.0.5"));
  EXPECT_DOUBLE_EQ(10.0, LeadingNumber(L" 10.0.19045"));
  EXPECT_DOUBLE_EQ(0.0, LeadingNumber(L""));
  EXPECT_DOUBLE_EQ(0.0, LeadingNumber(L"abc"));
  EXPECT_DOUBLE_EQ(0.0, LeadingNumber(L"0.0.0.0"));
}

TEST(VersionNumber, WindowsGatesOfStartupAndScan) {
  struct Case {
    const wchar_t* version;
    bool supported;
    bool beforeXP;
  };
  const Case cases[] = {
      {L"4.0.1381", false, true},  {L"5.0.2195", true, true},    {L"5.1.2600", true, false},
      {L"6.1.7601", true, false},  {L"10.0.19045", true, false}, {L"0.0.0", false, true},
      {L"", false, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.supported, IsSupportedWindowsVersion(c.version)) << c.version;
    EXPECT_EQ(c.beforeXP, IsBeforeWindowsXP(c.version)) << c.version;
  }
}

TEST(VersionNumber, LinksGoThroughTheDesktopShellOnlyWhenElevatedFromVistaOn) {
  struct Case {
    const wchar_t* version;
    bool elevated;
    LinkRoute route;
  };
  const Case cases[] = {
      {L"5.0.2195", true, LinkRoute::Direct},        {L"5.2.3790", true, LinkRoute::Direct},
      {L"6.0.6002", true, LinkRoute::DesktopShell},  {L"10.0.19045", true, LinkRoute::DesktopShell},
      {L"6.1.7601", false, LinkRoute::Direct},       {L"0.0.0", true, LinkRoute::Direct},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.route, ChooseLinkRoute(c.version, c.elevated)) << c.version << (c.elevated ? " elevated" : "");
  }
}

}  // namespace
}  // namespace quav
