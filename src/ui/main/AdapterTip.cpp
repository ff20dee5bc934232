#include "ui/main/AdapterTip.h"

#include <iterator>

#include "adapters/AddressMaker.h"

namespace quav {
namespace {

// An address whose maker cannot be read is still shown, its maker unknown.
std::wstring WithMaker(const std::wstring& address) {
  const std::wstring maker = AddressMaker(address);
  return address + L"（" + (maker.empty() ? L"厂商未知" : maker) + L"）";
}

}  // namespace

std::wstring AdapterTipText(const AdapterTipFacts& facts) {
  static constexpr const wchar_t* kLabels[] = {L"连接名称：", L"\r\n出厂地址：", L"\r\n活动地址：", L"\r\n类型："};
  const std::wstring values[] = {
      facts.connectionName.empty() ? L"无" : facts.connectionName,
      facts.permanent ? WithMaker(*facts.permanent) : L"无法读取（驱动程序没有回答）",
      facts.active.empty() ? L"未知" : WithMaker(facts.active),
      facts.wireless ? L"无线" : L"有线",
  };
  std::wstring text;
  for (size_t i = 0; i < std::size(values); ++i) text.append(kLabels[i]).append(values[i]);
  return text;
}

}  // namespace quav
