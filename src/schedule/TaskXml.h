#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "schedule/ScheduleRules.h"

// The task of one moment of a schedule as Task Scheduler 2.0's XML: the text
// /schedule registers and /schedule /xml prints.
namespace quav {

// The <Task> element: its one trigger, the principal SYSTEM (S-1-5-18) at the
// highest run level, the settings (on batteries too, started when a start was
// missed, one instance, a few minutes at most) and the action: program, the
// installed copy's full path, quoted, with arguments. Pure ASCII: every other
// character is a character reference, so no code page changes it.
std::wstring TaskElement(Moment moment, std::wstring_view program, std::wstring_view arguments,
                         std::wstring_view description);

// A whole task document, as RegisterTask takes it.
std::wstring TaskDocument(std::wstring_view taskElement);

struct NamedTask {
  std::wstring path;     // \QUAV\Adapter 0007 at boot
  std::wstring element;  // TaskElement's text
};

// Several tasks in one document, as schtasks /query /xml prints them: a
// <Tasks> root, each <Task> after a comment naming its path.
std::wstring TasksDocument(const std::vector<NamedTask>& tasks);

// How long a run may take before Task Scheduler stops it.
inline constexpr wchar_t kRunTimeLimit[] = L"PT5M";
// How long after Windows starts the boot task waits, so that the adapter is there.
inline constexpr wchar_t kBootDelay[] = L"PT30S";

// Text escaped for an XML element or attribute.
std::wstring XmlEscaped(std::wstring_view text);

}  // namespace quav
