# The project's libraries and the settings every target of ours shares.
#   quellmoor_common   bounded texts, code page 1252, byte order, file access
#   quellmoor_imaging  picture readers, pixel operations, text into pixel buffers, BMP writing
#   quellmoor_core     everything that is not a window: calendar, settings rules, texts, wallpaper, ...
#                      Files ending in _win (Windows) or _posix (Linux) are the platform side of the
#                      small interfaces the core declares; nothing else in it includes <windows.h>.
#   quellmoor_app      (Windows only) the windows, dialogs, tray and timers of Quellmoor.exe
# Each subsystem folder adds its sources to these targets.

function(quellmoor_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  # Source files are UTF-8; the program's texts are held in the Windows ANSI code page, as its
  # files and the registry hold them. clang knows only UTF-8, so the fuzz build (readers only,
  # whose texts are plain ASCII) keeps the default.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=CP1252)
  endif()
  if(WIN32)
    target_compile_definitions(${target} PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601
                                                WINVER=0x0601 STRICT)
    # One program file without DLLs beside it: the C, C++ and thread runtimes are linked in.
    target_link_options(${target} PUBLIC -static -static-libgcc -static-libstdc++)
  endif()
endfunction()

if(QUELLMOOR_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

add_library(quellmoor_common STATIC)
quellmoor_defaults(quellmoor_common)
add_library(quellmoor_imaging STATIC)
quellmoor_defaults(quellmoor_imaging)
target_link_libraries(quellmoor_imaging PUBLIC quellmoor_common)

if(NOT QUELLMOOR_FUZZ)
  add_library(quellmoor_core STATIC)
  quellmoor_defaults(quellmoor_core)
  target_link_libraries(quellmoor_core PUBLIC quellmoor_imaging)
  if(WIN32)
    add_library(quellmoor_app STATIC)
    quellmoor_defaults(quellmoor_app)
    target_link_libraries(quellmoor_app PUBLIC quellmoor_core)
  endif()
endif()
