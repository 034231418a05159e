# Cross-build for 64-bit Windows with MinGW-w64 (Debian package mingw-w64):
# the same sources and settings as the 32-bit build, tested under 64-bit Wine
# on machines that cannot execute 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TESSARY_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
