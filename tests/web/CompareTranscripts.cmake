# Runs the scripted games on the desktop build and, under Node, on the
# WebAssembly build, and fails at the first line where they differ.
execute_process(COMMAND ${NATIVE} OUTPUT_FILE ${OUT}/transcript-desktop.txt RESULT_VARIABLE native_status)
execute_process(COMMAND ${NODE} --no-experimental-fetch ${WASM}
                OUTPUT_FILE ${OUT}/transcript-web.txt RESULT_VARIABLE web_status)
if(NOT native_status EQUAL 0 OR NOT web_status EQUAL 0)
  message(FATAL_ERROR "transcripts: desktop exited ${native_status}, web exited ${web_status}")
endif()
file(STRINGS ${OUT}/transcript-desktop.txt desktop)
list(LENGTH desktop desktop_lines)
if(desktop_lines LESS 1000)
  message(FATAL_ERROR "desktop transcript has only ${desktop_lines} lines")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/transcript-desktop.txt
                        ${OUT}/transcript-web.txt RESULT_VARIABLE differ)
if(differ EQUAL 0)
  message(STATUS "${desktop_lines} lines alike")
  return()
endif()
# They differ: show where (diff is part of every Debian system).
execute_process(COMMAND diff ${OUT}/transcript-desktop.txt ${OUT}/transcript-web.txt
                OUTPUT_VARIABLE differences)
string(SUBSTRING "${differences}" 0 1500 differences)
message(FATAL_ERROR "the web build's games differ from the desktop's:\n${differences}")
