# Cross build for 64-bit Windows with Debian's MinGW-w64 (win32 thread model: no winpthreads in the programs).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KELM_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KELM_MINGW_PREFIX}-gcc-win32)
set(CMAKE_CXX_COMPILER ${KELM_MINGW_PREFIX}-g++-win32)
set(CMAKE_RC_COMPILER ${KELM_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KELM_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Tests run under Wine; the caller provides the X display.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
