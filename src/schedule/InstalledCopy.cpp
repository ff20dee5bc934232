#include "schedule/InstalledCopy.h"

#include <windows.h>

#include "change/LogLine.h"
#include "platform/ErrorText.h"
#include "platform/FileApi.h"
#include "platform/SystemFacts.h"
#include "platform/Texts.h"
#include "schedule/WriterRules.h"

namespace quav {
namespace {

// Administrators and SYSTEM may do anything, Users read and run; nothing is
// inherited from %ProgramFiles%, whatever an installer made of it.
constexpr wchar_t kFolderSecurity[] = L"O:BAD:PAI(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)";

std::wstring ParentOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L'\\');
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
  return ::CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

// The names of the writers for a sentence: "BUILTIN\Users (S-1-5-32-545), ...".
std::wstring WritersText(const std::vector<std::wstring>& writers) {
  std::wstring text;
  for (const std::wstring& sid : writers) {
    if (!text.empty()) text += Say(TextId::MomentJoin);
    text += AccountText(sid);
  }
  return text;
}

InstallOutcome Refused(InstallStatus status, std::wstring sentence) { return {status, std::move(sentence)}; }

// Checks who may change what is named, and says why not when others may.
InstallOutcome CheckWriters(const std::vector<std::wstring>& paths) {
  const WritersFound found = OtherWritersOf(paths);
  if (found.status != ERROR_SUCCESS) {
    return Refused(InstallStatus::Unreadable, Say(TextId::InstallUnreadable, {found.object, SystemErrorText(found.status)}));
  }
  if (!found.writers.empty()) {
    return Refused(InstallStatus::Unsafe, Say(TextId::InstallUnsafe, {found.object, WritersText(found.writers)}));
  }
  return {InstallStatus::Installed, L""};
}

}  // namespace

InstallPlace SystemInstallPlace() {
  const std::wstring programFiles = ProgramFilesFolder();
  return {programFiles.empty() ? std::wstring() : programFiles + L"\\QUAV", ProgramPath()};
}

std::wstring InstalledProgram(const InstallPlace& place) { return place.folder + L"\\quav.exe"; }

WritersFound OtherWritersOf(const std::vector<std::wstring>& paths) {
  // The administrator who installs could replace the copy anyway; Wine makes
  // that user the owner of every file.
  std::vector<std::wstring> alsoTrusted;
  if (std::wstring self = AdministratorUserSid(); !self.empty()) alsoTrusted.push_back(std::move(self));
  for (size_t k = 0; k < paths.size(); ++k) {
    ObjectAccess access;
    const std::wstring& path = paths[k];
    if (const DWORD status = CurrentFileApi().ReadAccess(path, false, access); status != ERROR_SUCCESS) {
      return {status, path, {}};
    }
    // The first is the parent: what counts there is who may rename or
    // replace what is in it.
    std::vector<std::wstring> writers =
        OtherWriters(access, k == 0 ? kReplaceChildRights : kChangeRights, alsoTrusted);
    if (!writers.empty()) return {ERROR_SUCCESS, path, std::move(writers)};
  }
  return {};
}

InstallOutcome InstallCopy(const InstallPlace& place) {
  FileApi& files = CurrentFileApi();
  const std::wstring installed = InstalledProgram(place);
  if (place.folder.empty() || place.program.empty()) {
    return Refused(InstallStatus::Failed,
                   Say(TextId::InstallFailed, {installed, SystemErrorText(ERROR_PATH_NOT_FOUND)}));
  }
  DWORD status = files.CreateFolder(place.folder, kFolderSecurity);
  if (status != ERROR_SUCCESS && status != ERROR_ALREADY_EXISTS) {
    return Refused(InstallStatus::Failed, Say(TextId::InstallFailed, {installed, SystemErrorText(status)}));
  }
  // Nothing is put into a folder others may change.
  if (InstallOutcome checked = CheckWriters({ParentOf(place.folder), place.folder});
      checked.status != InstallStatus::Installed) {
    return checked;
  }
  std::string program;
  if ((status = files.ReadFile(place.program, program)) != ERROR_SUCCESS) {
    return Refused(InstallStatus::Failed, Say(TextId::InstallFailed, {installed, SystemErrorText(status)}));
  }
  // The copy that runs is left alone when it holds the same bytes: it may
  // be running now, and is then in use.
  std::string copy;
  if (SamePath(place.program, installed) || files.ReadFile(installed, copy) != ERROR_SUCCESS || copy != program) {
    if ((status = files.CopyFile(place.program, installed)) != ERROR_SUCCESS) {
      return Refused(InstallStatus::Failed, Say(TextId::InstallFailed, {installed, SystemErrorText(status)}));
    }
    if ((status = files.ReadFile(installed, copy)) != ERROR_SUCCESS) {
      return Refused(InstallStatus::Failed, Say(TextId::InstallFailed, {installed, SystemErrorText(status)}));
    }
  }
  if (copy != program) return Refused(InstallStatus::Differs, Say(TextId::InstallDiffers, {installed}));
  return CheckWriters({place.folder, installed});
}

UninstallOutcome RemoveInstalledCopy(const InstallPlace& place) {
  FileApi& files = CurrentFileApi();
  const std::wstring installed = InstalledProgram(place);
  UninstallOutcome outcome;
  if (place.folder.empty()) return outcome;
  if (SamePath(place.program, installed)) {
    // A running program cannot be deleted: Windows does it at its next start.
    for (const std::wstring& path : {installed, LogFileIn(place.folder), place.folder}) {
      const DWORD status = files.DeleteAtRestart(path);
      if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
        return {false, false, Say(TextId::UninstallFailed, {path, SystemErrorText(status)})};
      }
    }
    return {true, true, Say(TextId::UninstallAtRestart, {place.folder})};
  }
  for (const std::wstring& path : {installed, LogFileIn(place.folder)}) {
    const DWORD status = files.DeleteFile(path);
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND && status != ERROR_PATH_NOT_FOUND) {
      return {false, false, Say(TextId::UninstallFailed, {path, SystemErrorText(status)})};
    }
  }
  const DWORD status = files.RemoveFolder(place.folder);
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND && status != ERROR_PATH_NOT_FOUND) {
    return {false, false, Say(TextId::UninstallFailed, {place.folder, SystemErrorText(status)})};
  }
  return outcome;
}

}  // namespace quav
