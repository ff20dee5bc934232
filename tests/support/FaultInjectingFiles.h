#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/FileApi.h"

namespace quav::test {

// Sits between the program and the file calls of installing its copy
// (install it with ScopedFileApi): records every call and fails the nth
// (1-based, all kinds counted together) with a chosen code when told.
class FaultInjectingFiles final : public FileApi {
 public:
  void FailCall(int nth, DWORD code) {
    failCall_ = nth;
    code_ = code;
  }
  const std::vector<std::string>& Calls() const { return calls_; }

  DWORD CreateFolder(const std::wstring& path, const wchar_t* sddl) override {
    return Call("CreateFolder", [&] { return SystemFileApi().CreateFolder(path, sddl); });
  }
  DWORD CopyFile(const std::wstring& from, const std::wstring& to) override {
    return Call("CopyFile", [&] { return SystemFileApi().CopyFile(from, to); });
  }
  DWORD ReadFile(const std::wstring& path, std::string& bytes) override {
    return Call("ReadFile", [&] { return SystemFileApi().ReadFile(path, bytes); });
  }
  DWORD DeleteFile(const std::wstring& path) override {
    return Call("DeleteFile", [&] { return SystemFileApi().DeleteFile(path); });
  }
  DWORD RemoveFolder(const std::wstring& path) override {
    return Call("RemoveFolder", [&] { return SystemFileApi().RemoveFolder(path); });
  }
  DWORD DeleteAtRestart(const std::wstring& path) override {
    return Call("DeleteAtRestart", [&] { return SystemFileApi().DeleteAtRestart(path); });
  }
  DWORD ReadAccess(const std::wstring& name, bool registryKey, ObjectAccess& access) override {
    return Call("ReadAccess", [&] { return SystemFileApi().ReadAccess(name, registryKey, access); });
  }

 private:
  template <typename Action>
  DWORD Call(const char* name, Action action) {
    calls_.push_back(name);
    if (failCall_ && static_cast<int>(calls_.size()) == *failCall_) return code_;
    return action();
  }
  std::vector<std::string> calls_;
  std::optional<int> failCall_;
  DWORD code_ = 0;
};

}  // namespace quav::test
