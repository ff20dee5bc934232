#include "Windows2000Imports.h"

#include <gtest/gtest.h>

namespace quav {
namespace {

TEST(Windows2000Imports, TickCountFallbackCountsMilliseconds) {
  const ULONGLONG start = TickCount64Fallback();
  const DWORD startTicks = ::GetTickCount();
  ::Sleep(200);
  const ULONGLONG elapsed = TickCount64Fallback() - start;
  const DWORD elapsedTicks = ::GetTickCount() - startTicks;
  EXPECT_GE(elapsed, 150u);
  EXPECT_LE(elapsed, elapsedTicks + 100u) << "as GetTickCount counts";
  EXPECT_GE(elapsed + 100u, elapsedTicks);
}

}  // namespace
}  // namespace quav
