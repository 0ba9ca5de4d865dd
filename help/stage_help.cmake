# Fills the help's staging folder for chmcmd, in one go:
#   - the project (Lumhelp.hhp, .hhc, .hhk) and the style sheet of html/de;
#   - the pages of html/de, each of which holds the body of its page from its <h1> title on, put
#     into one frame (document type, character set, title, style sheet, a link to the overview);
#   - ueber.html from ueber.html.in, with the program's version and the picture credits taken from
#     NOTICE (so the about page always says what NOTICE says);
#   - the screenshots of docs/ that a page shows, as html/de/bilder/<name>.png.
# Sources are UTF-8; every text is written in code page 1252, the code page the HTML Help viewer
# reads German pages in best, and the frame declares it.
#   cmake -DSOURCE_DIR=<repo> -DSTAGE_DIR=<folder> -DVERSION=<x.y.z> -P stage_help.cmake
foreach(variable SOURCE_DIR STAGE_DIR VERSION)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "stage_help.cmake: ${variable} is not set")
  endif()
endforeach()

# Text with the characters that HTML gives a meaning to written as entities.
function(escape_html text out)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The picture part of NOTICE (from "1. The built-in pictures" to the next numbered part): into
# credits_out the entries of a definition list, each picture's name and title, then its credit lines
# (lines that continue a field, indented deeper, are joined to it); into licences_out the lines of
# its list of licence texts, as they stand.
function(picture_credits notice credits_out licences_out)
  file(READ "${notice}" text)
  # CMake lists split at semicolons; the credit lines hold some.
  string(REPLACE ";" "<semicolon>" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(in_pictures FALSE)
  set(in_licences FALSE)
  set(licences "")
  set(html "")
  set(fields "")
  set(count 0)
  foreach(line IN LISTS lines)
    string(REPLACE "<semicolon>" ";" line "${line}")
    if(line MATCHES "^1\\. The built-in pictures")
      set(in_pictures TRUE)
    elseif(line MATCHES "^[0-9]+\\. ")
      set(in_pictures FALSE)
    elseif(in_pictures AND line STREQUAL "Licence texts:")
      set(in_licences TRUE)
    elseif(in_licences AND NOT line STREQUAL "")
      escape_html("${line}" licence)
      string(APPEND licences "${licence}\n")
    elseif(in_licences)
      set(in_licences FALSE)
    elseif(in_pictures AND line MATCHES "^(C[0-9][0-9]X) +(.+)$")
      escape_html("${CMAKE_MATCH_1} ${CMAKE_MATCH_2}" title)
      string(APPEND html "<dt>${title}</dt>\n")
      set(fields "")
      math(EXPR count "${count} + 1")
    elseif(in_pictures AND count GREATER 0 AND line MATCHES "^      ( *)(.+)$")
      escape_html("${CMAKE_MATCH_2}" field)
      if(CMAKE_MATCH_1 STREQUAL "" OR fields STREQUAL "")
        if(NOT fields STREQUAL "")
          string(APPEND fields "<br>\n")
        endif()
        string(APPEND fields "${field}")
      else()
        string(APPEND fields " ${field}")
      endif()
    elseif(NOT fields STREQUAL "")
      string(APPEND html "<dd>${fields}</dd>\n")
      set(fields "")
    endif()
  endforeach()
  if(NOT fields STREQUAL "")
    string(APPEND html "<dd>${fields}</dd>\n")
  endif()
  if(count EQUAL 0 OR licences STREQUAL "")
    message(FATAL_ERROR "stage_help.cmake: no picture credits or licence texts found in ${notice}")
  endif()
  set(${credits_out} "${html}" PARENT_SCOPE)
  set(${licences_out} "${licences}" PARENT_SCOPE)
endfunction()

# A page's body in the frame of every page; the overview itself has no link to the overview.
function(frame_page name body out)
  if(NOT body MATCHES "^<h1>([^<]+)</h1>")
    message(FATAL_ERROR "stage_help.cmake: html/de/${name} does not begin with its <h1> title")
  endif()
  set(navigation "<p class=\"navigation\"><a href=\"index.html\">Übersicht</a></p>\n")
  if(name STREQUAL "index.html")
    set(navigation "")
  endif()
  set(${out} "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">
<html lang=\"de\">
<head>
<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">
<title>${CMAKE_MATCH_1}</title>
<link rel=\"stylesheet\" type=\"text/css\" href=\"quellmoor.css\">
</head>
<body>
${navigation}${body}</body>
</html>
" PARENT_SCOPE)
endfunction()

# Writes a UTF-8 text into the staging folder in code page 1252; a character that code page does
# not have stops the build.
function(write_cp1252 text target)
  get_filename_component(folder "${target}" DIRECTORY)
  file(MAKE_DIRECTORY "${folder}")
  file(WRITE "${target}.utf-8" "${text}")
  execute_process(COMMAND iconv -f UTF-8 -t CP1252 "${target}.utf-8" OUTPUT_FILE "${target}" RESULT_VARIABLE result)
  file(REMOVE "${target}.utf-8")
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "stage_help.cmake: ${target} holds a character outside code page 1252")
  endif()
endfunction()

file(REMOVE_RECURSE "${STAGE_DIR}")
set(pages_dir "${STAGE_DIR}/html/de")

foreach(name Lumhelp.hhp Lumhelp.hhc Lumhelp.hhk)
  file(READ "${SOURCE_DIR}/help/${name}" text)
  write_cp1252("${text}" "${STAGE_DIR}/${name}")
endforeach()

set(screenshots "")
file(GLOB sources "${SOURCE_DIR}/html/de/*.html" "${SOURCE_DIR}/html/de/*.css" "${SOURCE_DIR}/html/de/*.html.in")
foreach(source IN LISTS sources)
  get_filename_component(name "${source}" NAME)
  file(READ "${source}" text)
  if(name MATCHES "^(.+)\\.in$")
    set(name "${CMAKE_MATCH_1}")
    set(QUELLMOOR_VERSION "${VERSION}")
    picture_credits("${SOURCE_DIR}/NOTICE" PICTURE_CREDITS PICTURE_LICENCES)
    string(CONFIGURE "${text}" text @ONLY)
  endif()
  if(name MATCHES "\\.html$")
    frame_page("${name}" "${text}" text)
  endif()
  string(REGEX MATCHALL "bilder/[A-Za-z0-9_-]+\\.png" shown "${text}")
  list(APPEND screenshots ${shown})
  write_cp1252("${text}" "${pages_dir}/${name}")
endforeach()

list(REMOVE_DUPLICATES screenshots)
foreach(screenshot IN LISTS screenshots)
  get_filename_component(name "${screenshot}" NAME)
  if(NOT EXISTS "${SOURCE_DIR}/docs/${name}")
    message(FATAL_ERROR "stage_help.cmake: a page shows ${screenshot}, but docs/${name} is missing")
  endif()
  file(COPY "${SOURCE_DIR}/docs/${name}" DESTINATION "${pages_dir}/bilder")
endforeach()
