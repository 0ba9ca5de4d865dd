# The project's libraries and the settings every target of ours shares. Each folder is a library
# of its own and names the libraries it uses; a library sees the headers of those alone, so an
# include that runs the wrong way (a lower layer reaching up) fails to build:
#   quellmoor_common     bounded texts, code page 1252, byte order, file access
#   quellmoor_imaging    picture readers, pixel operations, text into pixel buffers, BMP writing
#   quellmoor_texts      the text table and its language-file lookup, the help
#   quellmoor_calendar   dates, holidays, named days
#   quellmoor_settings   the settings with their store, the regional settings, window positions
#   quellmoor_wallpaper  the picture list, rendering, the month overlay, the wallpaper build
#   quellmoor_options    the hotkey slots and their registration
#   quellmoor_alarm      appointments, the due rule, sound; the alarm windows (_win)
#   quellmoor_monthview  the month calendar's bold days and geometry; its window (_win)
#   quellmoor_notes      the note list and note files; the note window (_win)
#   quellmoor_core       all of the above: everything that is not a window
#   quellmoor_app        the program's windows, dialogs, tray and timers (and their portable rules)
# Files ending in _win (Windows) or _posix (Linux) are the platform side of the small interfaces a
# library declares; no other file of the core includes <windows.h>.

function(quellmoor_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
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

# A folder's library: quellmoor_<folder>, whose users find its headers as "<folder>/...". Its include
# folder holds a link to the source folder and nothing else.
function(quellmoor_library folder)
  set(target quellmoor_${folder})
  add_library(${target} STATIC)
  quellmoor_defaults(${target})
  quellmoor_headers(${target} PUBLIC ${folder})
endfunction()

# Makes the headers of a source folder visible to a target, under the folder's name.
function(quellmoor_headers target scope folder)
  set(root ${CMAKE_BINARY_DIR}/include/${folder})
  if(NOT EXISTS ${root}/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} ${scope} ${root})
endfunction()
