#!/usr/bin/env bash
# Tests the Windows program under Wine. The 32-bit build is always made; its
# tests run under 32-bit Wine. A kernel without 32-bit support (ia32 emulation
# off) runs no 32-bit program at all, so there the same sources are built as a
# 64-bit Windows program and tested under 64-bit Wine instead, and this says so.
set -euo pipefail
cd "$(dirname "$0")/../.."

cmake --preset win32
cmake --build --preset win32
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    exec tests/win32/wine-env.sh win32 ctest --preset win32
fi

echo "run-tests.sh: this kernel cannot run 32-bit programs; build-win32/korvane.exe was built" \
    "but not run. Testing the same sources as a 64-bit Windows program instead." >&2
cmake --preset win64
cmake --build --preset win64
exec tests/win32/wine-env.sh win64 ctest --preset win64
