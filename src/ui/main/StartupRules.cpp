#include "ui/main/StartupRules.h"

namespace quav {

std::wstring DisclaimerText() {
  return std::wstring(L"注意: 使用该程序有风险。我们不承担对你的系统可能造成的任何损害的责任，该程序不能用于非法或不道") +
         L"德目的。如果你不同意这些注意事项，请你不要使用本程序。";
}

std::wstring RightsMessageText() {
  return L"QUAV 发现没有足够的登录权限。" + std::wstring(48, L' ') + L"QUAV 要求当前用户有" + std::wstring(29, L' ') +
         L"完全控制权限。" + std::wstring(34, L' ');
}

}  // namespace quav
