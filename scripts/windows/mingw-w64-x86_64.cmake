# CMake toolchain for Windows x86_64 with Debian's MinGW-w64 (posix thread
# model, which Qt needs). Used for Qt itself (build-qt.sh) and for this
# project (build.sh); QT_MINGW_PREFIX names the cross-built Qt.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(zrc_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${zrc_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${zrc_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${zrc_triple}-windres)
set(CMAKE_AR /usr/bin/${zrc_triple}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${zrc_triple}-ranlib CACHE FILEPATH "")
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${zrc_triple})
if(DEFINED ENV{QT_MINGW_PREFIX})
  list(APPEND CMAKE_FIND_ROOT_PATH $ENV{QT_MINGW_PREFIX})
endif()
# Programs (moc, rcc, the native tools) come from the host.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
