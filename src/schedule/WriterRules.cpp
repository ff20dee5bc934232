#include "schedule/WriterRules.h"

#include <algorithm>

namespace quav {
namespace {

constexpr std::wstring_view kCreatorOwnerSid = L"S-1-3-0";
constexpr std::wstring_view kCreatorGroupSid = L"S-1-3-1";
constexpr std::wstring_view kOwnerRightsSid = L"S-1-3-4";

bool Trusted(std::wstring_view sid, const std::vector<std::wstring>& alsoTrusted) {
  return sid == kSystemSid || sid == kAdministratorsSid || sid == kTrustedInstallerSid ||
         std::find(alsoTrusted.begin(), alsoTrusted.end(), sid) != alsoTrusted.end();
}

void Add(std::vector<std::wstring>& writers, const std::wstring& sid) {
  if (std::find(writers.begin(), writers.end(), sid) == writers.end()) writers.push_back(sid);
}

}  // namespace

std::vector<std::wstring> OtherWriters(const ObjectAccess& access, uint32_t rights,
                                       const std::vector<std::wstring>& alsoTrusted) {
  std::vector<std::wstring> writers;
  if (!Trusted(access.owner, alsoTrusted)) Add(writers, access.owner.empty() ? L"?" : access.owner);
  if (!access.hasDacl) {
    Add(writers, kEveryoneSid);
    return writers;
  }
  for (const AccessEntry& entry : access.entries) {
    if (!entry.allows || entry.inheritOnly || (entry.mask & rights) == 0) continue;
    if (entry.sid == kCreatorOwnerSid || entry.sid == kCreatorGroupSid) continue;
    const std::wstring& sid = entry.sid == kOwnerRightsSid ? access.owner : entry.sid;
    if (!Trusted(sid, alsoTrusted)) Add(writers, sid.empty() ? L"?" : sid);
  }
  return writers;
}

}  // namespace quav
