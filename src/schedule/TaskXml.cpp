#include "schedule/TaskXml.h"

#include <cstdint>

namespace quav {
namespace {

constexpr std::wstring_view kNamespace = L"http://schemas.microsoft.com/windows/2004/02/mit/task";

// An event trigger's query: one event of one provider in one log.
std::wstring EventTrigger(std::wstring_view log, std::wstring_view provider, int eventId) {
  const std::wstring query = L"<QueryList><Query Id=\"0\" Path=\"" + std::wstring(log) + L"\"><Select Path=\"" +
                             std::wstring(log) + L"\">*[System[Provider[@Name='" + std::wstring(provider) +
                             L"'] and EventID=" + std::to_wstring(eventId) + L"]]</Select></Query></QueryList>";
  return L"<EventTrigger><Enabled>true</Enabled><Subscription>" + XmlEscaped(query) +
         L"</Subscription></EventTrigger>";
}

std::wstring Trigger(Moment moment) {
  switch (moment) {
    case Moment::Boot:
      return L"<BootTrigger><Enabled>true</Enabled><Delay>" + std::wstring(kBootDelay) + L"</Delay></BootTrigger>";
    case Moment::Logon:
      // Without a UserId: the logon of any user.
      return L"<LogonTrigger><Enabled>true</Enabled></LogonTrigger>";
    case Moment::Wake:
      // The System log's "The system has returned from a low power state."
      return EventTrigger(L"System", L"Microsoft-Windows-Power-Troubleshooter", 1);
    case Moment::Connect:
      // "Network connected", once Windows has identified the network.
      return EventTrigger(L"Microsoft-Windows-NetworkProfile/Operational", L"Microsoft-Windows-NetworkProfile", 10000);
  }
  return {};
}

}  // namespace

std::wstring XmlEscaped(std::wstring_view text) {
  std::wstring escaped;
  for (size_t k = 0; k < text.size(); ++k) {
    auto c = static_cast<uint32_t>(text[k]);
    switch (c) {
      case L'&': escaped += L"&amp;"; continue;
      case L'<': escaped += L"&lt;"; continue;
      case L'>': escaped += L"&gt;"; continue;
      case L'"': escaped += L"&quot;"; continue;
      case L'\'': escaped += L"&apos;"; continue;
      default: break;
    }
    if (c >= 0x20 && c < 0x7F) {
      escaped += static_cast<wchar_t>(c);
      continue;
    }
    // A UTF-16 pair is one character.
    if (c >= 0xD800 && c <= 0xDBFF && k + 1 < text.size() && text[k + 1] >= 0xDC00 && text[k + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<uint32_t>(text[++k]) - 0xDC00);
    }
    if (c < 0x20 || (c >= 0xD800 && c <= 0xDFFF) || c == 0xFFFE || c == 0xFFFF || c > 0x10FFFF) {
      // No XML 1.0 document may hold these, not even as references; the
      // texts given hold none, so a stray one stands as "?".
      escaped += L'?';
      continue;
    }
    constexpr wchar_t kHex[] = L"0123456789ABCDEF";
    std::wstring digits;
    for (; c != 0; c >>= 4) digits.insert(digits.begin(), kHex[c & 0xF]);
    escaped += L"&#x" + digits + L';';
  }
  return escaped;
}

std::wstring TaskElement(Moment moment, std::wstring_view program, std::wstring_view arguments,
                         std::wstring_view description) {
  return L"<Task version=\"1.2\" xmlns=\"" + std::wstring(kNamespace) +
         L"\">\r\n"
         L"  <RegistrationInfo><Author>QUAV</Author><Description>" +
         XmlEscaped(description) +
         L"</Description></RegistrationInfo>\r\n"
         L"  <Triggers>" +
         Trigger(moment) +
         L"</Triggers>\r\n"
         L"  <Principals><Principal id=\"System\"><UserId>S-1-5-18</UserId><RunLevel>HighestAvailable</RunLevel>"
         L"</Principal></Principals>\r\n"
         L"  <Settings><MultipleInstancesPolicy>IgnoreNew</MultipleInstancesPolicy>"
         L"<DisallowStartIfOnBatteries>false</DisallowStartIfOnBatteries>"
         L"<StopIfGoingOnBatteries>false</StopIfGoingOnBatteries><StartWhenAvailable>true</StartWhenAvailable>"
         L"<ExecutionTimeLimit>" +
         std::wstring(kRunTimeLimit) +
         L"</ExecutionTimeLimit><Enabled>true</Enabled></Settings>\r\n"
         L"  <Actions Context=\"System\"><Exec><Command>\"" +
         XmlEscaped(program) + L"\"</Command><Arguments>" + XmlEscaped(arguments) +
         L"</Arguments></Exec></Actions>\r\n"
         L"</Task>";
}

std::wstring TaskDocument(std::wstring_view taskElement) {
  return L"<?xml version=\"1.0\"?>\r\n" + std::wstring(taskElement) + L"\r\n";
}

std::wstring TasksDocument(const std::vector<NamedTask>& tasks) {
  std::wstring document = L"<?xml version=\"1.0\"?>\r\n<Tasks>\r\n";
  for (const NamedTask& task : tasks) {
    // A comment may not hold "--"; a task's path never does.
    document += L"<!-- " + XmlEscaped(task.path) + L" -->\r\n" + task.element + L"\r\n";
  }
  return document + L"</Tasks>\r\n";
}

}  // namespace quav
