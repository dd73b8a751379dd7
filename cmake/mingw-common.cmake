# Shared by both MinGW-w64 toolchains: the posix thread model (std::thread) and fully static binaries,
# so nothing but system DLLs has to sit next to an exe.
set(CMAKE_C_COMPILER ${CORVATTO_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CORVATTO_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${CORVATTO_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${CORVATTO_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Test and tool exes run under Wine through this wrapper (see the script for why it is needed).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/lib/wine-exec)
