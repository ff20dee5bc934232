// The thread library under the C++ runtime calls kernel32 functions that
// Windows 2000 lacks (the vectored handlers came with XP, GetTickCount64 with
// Vista), and one missing import stops a program from loading at all. These
// definitions fill their import slots first, so the linker imports none of
// them; each calls the real function where kernel32 has it.
#include "Windows2000Imports.h"

namespace quav {

ULONGLONG WINAPI TickCount64Fallback() {
  LARGE_INTEGER frequency{}, counter{};
  if (!::QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0 || !::QueryPerformanceCounter(&counter))
    return ::GetTickCount();
  const auto ticks = static_cast<ULONGLONG>(counter.QuadPart), perSecond = static_cast<ULONGLONG>(frequency.QuadPart);
  return ticks / perSecond * 1000 + ticks % perSecond * 1000 / perSecond;
}

}  // namespace quav

// Only MinGW's C++ runtime brings that thread library along.
#if defined(__GNUC__)
namespace quav {
namespace {

template <typename Function>
Function Kernel32(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), name)));
}

using AddHandler = PVOID(WINAPI*)(ULONG, PVECTORED_EXCEPTION_HANDLER);
using RemoveHandler = ULONG(WINAPI*)(PVOID);
using TickCount64 = ULONGLONG(WINAPI*)();

// Without the handler the thread library skips naming threads for a debugger.
PVOID WINAPI AddVectoredExceptionHandlerOrNone(ULONG first, PVECTORED_EXCEPTION_HANDLER handler) {
  const auto real = Kernel32<AddHandler>("AddVectoredExceptionHandler");
  return real ? real(first, handler) : nullptr;
}

ULONG WINAPI RemoveVectoredExceptionHandlerOrNone(PVOID handle) {
  const auto real = Kernel32<RemoveHandler>("RemoveVectoredExceptionHandler");
  return real ? real(handle) : 0;
}

ULONGLONG WINAPI GetTickCount64OrFallback() {
  const auto real = Kernel32<TickCount64>("GetTickCount64");
  return real ? real() : TickCount64Fallback();
}

}  // namespace
}  // namespace quav

// Import slots are named __imp_Name, on x86 with the C prefix and stdcall's
// argument bytes: __imp__Name@8.
#if defined(__i386__)
#define QUAV_IMPORT_SLOT(name, argumentBytes) "__imp__" #name "@" #argumentBytes
#else
#define QUAV_IMPORT_SLOT(name, argumentBytes) "__imp_" #name
#endif

quav::AddHandler quavAddVectoredExceptionHandler __asm__(QUAV_IMPORT_SLOT(AddVectoredExceptionHandler, 8)) =
    quav::AddVectoredExceptionHandlerOrNone;
quav::RemoveHandler quavRemoveVectoredExceptionHandler __asm__(QUAV_IMPORT_SLOT(RemoveVectoredExceptionHandler, 4)) =
    quav::RemoveVectoredExceptionHandlerOrNone;
quav::TickCount64 quavGetTickCount64 __asm__(QUAV_IMPORT_SLOT(GetTickCount64, 0)) = quav::GetTickCount64OrFallback;
#endif
