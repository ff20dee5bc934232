#pragma once

#include <windows.h>

#include <string>

#include "platform/AccessEntries.h"

namespace quav {

// The file and security calls that installing and removing the program's
// copy makes, each one step. Callers reach them only through
// CurrentFileApi(), so a test can put a decorator in between that makes one
// fail with a chosen code. Each returns 0 or the system's error code.
class FileApi {
 public:
  virtual ~FileApi() = default;
  // A folder with the security descriptor given as SDDL (none: inherited).
  virtual DWORD CreateFolder(const std::wstring& path, const wchar_t* sddl) = 0;
  // Copies the file over any file of that name.
  virtual DWORD CopyFile(const std::wstring& from, const std::wstring& to) = 0;
  // The whole file's bytes; a file over 64 MB is refused.
  virtual DWORD ReadFile(const std::wstring& path, std::string& bytes) = 0;
  virtual DWORD DeleteFile(const std::wstring& path) = 0;
  virtual DWORD RemoveFolder(const std::wstring& path) = 0;
  // Has Windows delete the file or empty folder when it next starts.
  virtual DWORD DeleteAtRestart(const std::wstring& path) = 0;
  // The owner and DACL of a file or folder (SE_FILE_OBJECT) or of a registry
  // key (SE_REGISTRY_KEY, named MACHINE\SOFTWARE\...).
  virtual DWORD ReadAccess(const std::wstring& name, bool registryKey, ObjectAccess& access) = 0;
};

FileApi& SystemFileApi();
FileApi& CurrentFileApi();

// Routes the calls through another implementation for the lifetime of the
// object (tests only; scopes nest).
class ScopedFileApi {
 public:
  explicit ScopedFileApi(FileApi& api);
  ScopedFileApi(const ScopedFileApi&) = delete;
  ScopedFileApi& operator=(const ScopedFileApi&) = delete;
  ~ScopedFileApi();

 private:
  FileApi* previous_;
};

// The SID of the process's user (S-1-5-21-...) when the process runs as a
// member of Administrators; empty otherwise or when it cannot be read.
std::wstring AdministratorUserSid();

// The account a SID names, as DOMAIN\name or a well-known group's name,
// followed by the SID; the SID alone when the system cannot name it.
std::wstring AccountText(const std::wstring& sid);

// The folder of 64-bit programs on 64-bit Windows (of 32-bit ones for a
// 32-bit program there), as the system names it: C:\Program Files; empty
// when the system does not say.
std::wstring ProgramFilesFolder();

}  // namespace quav
