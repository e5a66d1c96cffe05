# Cross build for 32-bit Windows, the platform the command is made for.
set(KENROW_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
