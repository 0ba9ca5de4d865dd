# Checks what the compiled help holds, from the list of its files that extract_chmLib unpacks:
#   - the page of every help topic (the HELP section of the language file), but for ABSENT_PAGES;
#   - every file that a page, the contents or the index links to or shows;
#   - the name of the window type "main" that the topics ask for.
#   cmake -DHELP_FILE=<chm> -DLANGUAGE_FILE=<lng> -DEXTRACT=<extract_chmLib> -DWORK_DIR=<folder>
#         [-DABSENT_PAGES=<page;...>] -P check_help_file.cmake
cmake_minimum_required(VERSION 3.25)

foreach(variable HELP_FILE LANGUAGE_FILE EXTRACT WORK_DIR)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "check_help_file.cmake: ${variable} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND "${EXTRACT}" "${HELP_FILE}" "${WORK_DIR}" OUTPUT_QUIET RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT EXISTS "${WORK_DIR}/#SYSTEM")
  message(FATAL_ERROR "${HELP_FILE} cannot be unpacked")
endif()

set(failures "")

file(READ "${LANGUAGE_FILE}" language)
string(REGEX MATCH "\\[HELP\\]\r?\n[^[]*" help_section "${language}")
string(REGEX MATCHALL "=::[^>\r\n]+" topic_paths "${help_section}")
if(topic_paths STREQUAL "")
  message(FATAL_ERROR "${LANGUAGE_FILE} has no help topics")
endif()
foreach(topic_path IN LISTS topic_paths)
  string(SUBSTRING "${topic_path}" 3 -1 page)
  get_filename_component(name "${page}" NAME)
  if(NOT name IN_LIST ABSENT_PAGES AND NOT EXISTS "${WORK_DIR}/${page}")
    list(APPEND failures "the topic page ${page} is missing")
  endif()
endforeach()

# Links are relative to the page's folder; the contents and the index name pages from the top.
file(GLOB_RECURSE linking_files "${WORK_DIR}/*.html" "${WORK_DIR}/*.hhc" "${WORK_DIR}/*.hhk")
foreach(linking_file IN LISTS linking_files)
  file(READ "${linking_file}" text)
  get_filename_component(base "${linking_file}" DIRECTORY)
  string(REGEX MATCHALL "(href|src|value)=\"[^\":#]+\\.(html|css|png)\"" links "${text}")
  foreach(link IN LISTS links)
    string(REGEX REPLACE "^[a-z]+=\"(.*)\"$" "\\1" target "${link}")
    if(NOT EXISTS "${base}/${target}")
      file(RELATIVE_PATH shown "${WORK_DIR}" "${linking_file}")
      list(APPEND failures "${shown} refers to ${target}, which is missing")
    endif()
  endforeach()
endforeach()

file(STRINGS "${WORK_DIR}/#STRINGS" strings)
if(NOT "main" IN_LIST strings)
  list(APPEND failures "the window type main is missing")
endif()

if(NOT failures STREQUAL "")
  list(JOIN failures "\n  " report)
  message(FATAL_ERROR "${HELP_FILE}:\n  ${report}")
endif()
