# Fails when a library of Quellmoor.exe holds mutable state at namespace scope or in a function-local
# static: the program's state has one owner, which hands it on. Read from the compiled objects, where
# such state sits in .bss or .data (nm types b, B, d, D) and constant tables in .rdata (r, R); a
# constant that needs code to start (a const std::string) lands in .bss too.
#   cmake -DNM=x86_64-w64-mingw32-nm -DLIBRARIES="liba.a;libb.a" -P check_program_state.cmake
if(NOT NM OR NOT LIBRARIES)
  message(FATAL_ERROR "usage: cmake -DNM=NM -DLIBRARIES=\"a.a;b.a\" -P check_program_state.cmake")
endif()
foreach(library IN LISTS LIBRARIES)
  execute_process(COMMAND ${NM} -C --defined-only ${library}
                  OUTPUT_VARIABLE symbols RESULT_VARIABLE status ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${NM} failed on ${library}: ${errors}")
  endif()
  get_filename_component(library_name ${library} NAME)
  # Brackets and semicolons in demangled names would upset CMake's lists: masked while the lines are split.
  string(REPLACE "[" "<open>" symbols "${symbols}")
  string(REPLACE "]" "<close>" symbols "${symbols}")
  string(REPLACE ";" "<semicolon>" symbols "${symbols}")
  string(REPLACE "\n" ";" lines "${symbols}")
  set(object "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^(.+):$")
      set(object ${CMAKE_MATCH_1})
    # Section symbols (.bss, .data, .ctors) name no state of their own.
    elseif(line MATCHES "^[0-9a-f]+ [bBdD] ([^.].*)$")
      set(name "${CMAKE_MATCH_1}")
      string(REPLACE "<open>" "[" name "${name}")
      string(REPLACE "<close>" "]" name "${name}")
      string(REPLACE "<semicolon>" ";" name "${name}")
      string(APPEND offenders "\n  ${library_name} (${object}): ${name}")
    endif()
  endforeach()
endforeach()
if(offenders)
  message(FATAL_ERROR "Mutable state at namespace scope or in function-local statics:${offenders}")
endif()
