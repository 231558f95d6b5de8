# WebAssembly for WASI with Debian's clang 14, wasi-libc and libc++ (scripts/setup.sh
# installs them); the sysroot is where Debian puts it, so clang finds it by itself.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_CXX_COMPILER clang++-14)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
