# The built-in pictures that resources/pictures.rc names (C01X ... C16X), their index C00X, and the
# target quellmoor_builtin_pictures through which a program gets them and ProgramPictures()
# (resources/program_pictures.h):
#   Windows: the resource script pictures.rc, with the index the configure step writes into
#            pictures_index.rc (128 32-bit words: the count, the pictures' sizes, zeros).
#   Linux:   programs carry no resources, so the pictures are embedded in the program file by the
#            assembler; the configure step writes their list into builtin_pictures_list.inc.
# pictures.rc is the one list of the pictures; a changed picture or list reconfigures the build.

set(pictures_rc ${CMAKE_CURRENT_SOURCE_DIR}/pictures.rc)
set(picture_entry_pattern "^(C[0-9][0-9]X) KALENDER \"([^\"]+)\"$")
file(STRINGS ${pictures_rc} picture_entries REGEX "${picture_entry_pattern}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${pictures_rc})

set(picture_files "")
set(picture_sizes "")
set(picture_list_lines "")
foreach(entry IN LISTS picture_entries)
  string(REGEX MATCH "${picture_entry_pattern}" _ "${entry}")
  set(picture_file ${PROJECT_SOURCE_DIR}/${CMAKE_MATCH_2})
  if(NOT EXISTS ${picture_file})
    message(FATAL_ERROR "resources/pictures.rc names ${CMAKE_MATCH_2}, which does not exist "
                        "(tools/make-builtin-pictures.sh makes the pictures)")
  endif()
  file(SIZE ${picture_file} picture_size)
  list(APPEND picture_files ${picture_file})
  list(APPEND picture_sizes ${picture_size})
  string(APPEND picture_list_lines "BUILTIN_PICTURE(${CMAKE_MATCH_1}, \"${picture_file}\")\n")
endforeach()
list(LENGTH picture_files picture_count)
if(picture_count EQUAL 0 OR picture_count GREATER 127)
  message(FATAL_ERROR "resources/pictures.rc must name 1 to 127 pictures, not ${picture_count}")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${picture_files})

set(generated_folder ${CMAKE_CURRENT_BINARY_DIR}/builtin_pictures)
if(WIN32)
  # The index: word 0 the count, words 1 ... count the sizes, the rest of the 512 bytes zero.
  set(index_words ${picture_count} ${picture_sizes})
  list(LENGTH index_words used_words)
  math(EXPR zero_words "128 - ${used_words}")
  foreach(_ RANGE 1 ${zero_words})
    list(APPEND index_words 0)
  endforeach()
  list(JOIN index_words "L, " index_text)
  file(CONFIGURE OUTPUT ${generated_folder}/pictures_index.rc
       CONTENT "// Written by the build from resources/pictures.rc.\nC00X KALENDER { ${index_text}L }\n")

  add_library(quellmoor_builtin_pictures OBJECT pictures.rc program_pictures_win.cpp)
  # The warnings are the compiler's, not the resource compiler's, which knows none of these options.
  target_compile_options(quellmoor_builtin_pictures PRIVATE "$<$<COMPILE_LANGUAGE:CXX>:-Wall;-Wextra;-Werror>")
  # windres looks up pictures_index.rc and the picture files (named from the project's root) in the
  # include folders.
  target_include_directories(quellmoor_builtin_pictures PRIVATE ${generated_folder} ${PROJECT_SOURCE_DIR})
  # windres reports no dependencies: name the pictures, so that a changed picture is compiled again.
  set_source_files_properties(pictures.rc PROPERTIES OBJECT_DEPENDS "${picture_files}")
else()
  file(CONFIGURE OUTPUT ${generated_folder}/builtin_pictures_list.inc
       CONTENT "// Written by the build from resources/pictures.rc.\n${picture_list_lines}")

  add_library(quellmoor_builtin_pictures OBJECT program_pictures_posix.cpp)
  target_include_directories(quellmoor_builtin_pictures PRIVATE ${generated_folder})
  set_source_files_properties(program_pictures_posix.cpp PROPERTIES OBJECT_DEPENDS "${picture_files}")
  quellmoor_defaults(quellmoor_builtin_pictures)
endif()
target_link_libraries(quellmoor_builtin_pictures PUBLIC quellmoor_wallpaper quellmoor_resource_headers)

# The unit tests compose from the built-in pictures and check them and, on Windows, their index.
target_link_libraries(quellmoor_tests PRIVATE quellmoor_builtin_pictures)
target_sources(quellmoor_tests PRIVATE tests/program_pictures_test.cpp)
if(WIN32)
  target_sources(quellmoor_tests PRIVATE tests/picture_index_win_test.cpp)
endif()
