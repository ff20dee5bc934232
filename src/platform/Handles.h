#pragma once

#include <windows.h>
#include <oleauto.h>
#include <setupapi.h>

#include <utility>

namespace quav {

// One move-only owner per handle kind: whatever path leaves the scope, the
// handle is closed exactly once. Traits name the type, the empty value and
// how to close.
template <typename Traits>
class UniqueAny {
 public:
  using Type = typename Traits::Type;

  UniqueAny() = default;
  explicit UniqueAny(Type h) : h_(h) {}
  UniqueAny(UniqueAny&& other) noexcept : h_(other.release()) {}
  UniqueAny& operator=(UniqueAny&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueAny(const UniqueAny&) = delete;
  UniqueAny& operator=(const UniqueAny&) = delete;
  ~UniqueAny() { reset(); }

  Type get() const { return h_; }
  explicit operator bool() const { return h_ != Traits::Invalid(); }
  Type release() { return std::exchange(h_, Traits::Invalid()); }
  void reset(Type h = Traits::Invalid()) {
    if (h_ != Traits::Invalid()) Traits::Close(h_);
    h_ = h;
  }
  // For out-parameters of API calls: closes what is held first.
  Type* put() {
    reset();
    return &h_;
  }

 private:
  Type h_ = Traits::Invalid();
};

namespace handle_traits {
struct Kernel {
  using Type = HANDLE;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { ::CloseHandle(h); }
};
struct File {
  using Type = HANDLE;
  static Type Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Type h) { ::CloseHandle(h); }
};
struct Find {
  using Type = HANDLE;
  static Type Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Type h) { ::FindClose(h); }
};
struct Menu {
  using Type = HMENU;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { ::DestroyMenu(h); }
};
template <typename T>
struct Gdi {
  using Type = T;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { ::DeleteObject(h); }
};
struct MemoryDc {
  using Type = HDC;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { ::DeleteDC(h); }
};
struct Icon {
  using Type = HICON;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { ::DestroyIcon(h); }
};
struct Bstr {
  using Type = BSTR;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { ::SysFreeString(h); }
};
struct DeviceInfoSet {
  using Type = HDEVINFO;
  static Type Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Type h) { ::SetupDiDestroyDeviceInfoList(h); }
};
}  // namespace handle_traits

using UniqueHandle = UniqueAny<handle_traits::Kernel>;
using UniqueFile = UniqueAny<handle_traits::File>;
using UniqueFind = UniqueAny<handle_traits::Find>;
using UniqueHmenu = UniqueAny<handle_traits::Menu>;
using UniqueHbitmap = UniqueAny<handle_traits::Gdi<HBITMAP>>;
using UniqueHfont = UniqueAny<handle_traits::Gdi<HFONT>>;
using UniqueHbrush = UniqueAny<handle_traits::Gdi<HBRUSH>>;
using UniqueMemoryDc = UniqueAny<handle_traits::MemoryDc>;
using UniqueHicon = UniqueAny<handle_traits::Icon>;
using UniqueBstr = UniqueAny<handle_traits::Bstr>;
using UniqueDeviceInfoSet = UniqueAny<handle_traits::DeviceInfoSet>;

// A window's device context, released to its window.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ::ReleaseDC(hwnd_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// Selects an object into a DC for the scope and puts the old one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ obj) : dc_(dc), old_(::SelectObject(dc, obj)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() {
    if (old_) ::SelectObject(dc_, old_);
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

class UniqueVariant {
 public:
  UniqueVariant() { ::VariantInit(&v_); }
  UniqueVariant(const UniqueVariant&) = delete;
  UniqueVariant& operator=(const UniqueVariant&) = delete;
  ~UniqueVariant() { ::VariantClear(&v_); }
  VARIANT* get() { return &v_; }
  const VARIANT* get() const { return &v_; }
  VARIANT* put() {
    ::VariantClear(&v_);
    return &v_;
  }

 private:
  VARIANT v_;
};

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      reset();
      p_ = std::exchange(other.p_, nullptr);
    }
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() { reset(); }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  void reset() {
    if (p_) p_->Release();
    p_ = nullptr;
  }
  T** put() {
    reset();
    return &p_;
  }
  void** put_void() { return reinterpret_cast<void**>(put()); }

 private:
  T* p_ = nullptr;
};

}  // namespace quav
