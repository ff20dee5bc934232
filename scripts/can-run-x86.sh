#!/usr/bin/env bash
# Exits 0 when this machine can run 32-bit x86 Linux programs, which Wine's
# 32-bit half (wine32:i386) is; otherwise prints why and exits 1. The kernel's
# configuration cannot tell (a sandboxed kernel may claim IA32 emulation and
# still refuse), so it runs one: a 96-byte i386 ELF, made here, that exits
# with 42 through the i386 system call. It needs no i386 package.
set -uo pipefail
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
probe=$dir/exit42
# ELF header (52 bytes), one loadable segment (32 bytes) at 0x08048000, then
# the code at 0x08048054: mov eax,1 (exit); mov ebx,42; int 0x80.
printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'\
'\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'\
'\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00'\
'\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'\
'\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'\
'\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >"$probe"
chmod +x "$probe"
error=$("$probe" 2>&1)
status=$?
if ((status == 42)); then exit 0; fi
# The i386 dynamic loader, where installed, is as good a witness.
if [[ -x /lib/ld-linux.so.2 ]] && /lib/ld-linux.so.2 --version >/dev/null 2>&1; then exit 0; fi
error=${error##*: }
echo "this machine cannot run 32-bit x86 programs (running a 32-bit x86 test program gave status $status${error:+: $error})"
exit 1
