# The same sources as a 64-bit Windows program, for testing the Windows backend
# under 64-bit Wine on kernels that cannot run 32-bit programs. long double is
# the 80-bit x87 type here too, so the tone samples are the same.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KORVANE_MINGW_TRIPLET x86_64-w64-mingw32)
set(KORVANE_WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
