# Fails when a source file outside the Windows-only files (*_win.*, *_win_test.*) includes
# <windows.h> or another Windows header.
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/common/* ${SOURCE_DIR}/texts/* ${SOURCE_DIR}/calendar/* ${SOURCE_DIR}/settings/* ${SOURCE_DIR}/wallpaper/*
     ${SOURCE_DIR}/imaging/* ${SOURCE_DIR}/app/* ${SOURCE_DIR}/alarm/* ${SOURCE_DIR}/notes/*
     ${SOURCE_DIR}/cli/* ${SOURCE_DIR}/options/* ${SOURCE_DIR}/monthview/*)
set(offenders "")
foreach(source IN LISTS sources)
  if(NOT source MATCHES "\\.(h|cpp|inc)$" OR source MATCHES "_win(_test)?\\.(h|cpp)$")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*<(windows|winuser|wingdi|shellapi|commctrl|shlobj)\\.h>")
  if(includes)
    list(APPEND offenders ${source})
  endif()
endforeach()
if(offenders)
  message(FATAL_ERROR "Windows headers in portable files: ${offenders}")
endif()
