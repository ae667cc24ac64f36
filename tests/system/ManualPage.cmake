# SPDX-License-Identifier: MIT
# The manual page names every option that lumivex --help names, and renders
# without warnings.
# Called with -DPROGRAM=... -DMANUAL=...
execute_process(COMMAND "${PROGRAM}" --help OUTPUT_VARIABLE help RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lumivex --help failed: ${result}")
endif()
file(READ "${MANUAL}" manual)
string(REPLACE "\\-" "-" manual "${manual}")
string(REGEX MATCHALL "--[a-z][-a-z]*" options "${help}")
list(REMOVE_DUPLICATES options)
list(LENGTH options count)
if(count LESS 10)
    message(FATAL_ERROR "only ${count} options in --help: ${options}")
endif()
foreach(option IN LISTS options)
    if(NOT manual MATCHES "${option}[^-a-z]")
        message(FATAL_ERROR "the manual page does not name ${option}")
    endif()
endforeach()
execute_process(COMMAND man --warnings -l "${MANUAL}" OUTPUT_QUIET ERROR_VARIABLE warnings
                RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT warnings STREQUAL "")
    message(FATAL_ERROR "man -l: ${result}\n${warnings}")
endif()
