# SPDX-License-Identifier: MIT
# Fails when the English translation lags behind the sources: lupdate runs
# over the sources into a copy of lumivex_en.ts, and the copy must have no
# unfinished entry (a new or changed text without its translation) and no
# vanished or obsolete one (a text the sources no longer have).
# cmake -DLUPDATE=... -DSOURCE_DIR=... -DWORK_DIR=... -DOPTIONS=... -DSOURCES=... -P CheckTranslations.cmake
file(MAKE_DIRECTORY ${WORK_DIR})
set(copy ${WORK_DIR}/lumivex_en.ts)
file(COPY_FILE ${SOURCE_DIR}/language/lumivex_en.ts ${copy})
# OPTIONS and SOURCES are lists.
execute_process(COMMAND ${LUPDATE} ${OPTIONS} ${SOURCES} -ts ${copy}
                WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${result}")
endif()
file(STRINGS ${copy} lines)
set(open "")
set(source "")
foreach(line IN LISTS lines)
    if(line MATCHES "<source>([^<]*)")
        set(source "${CMAKE_MATCH_1}")
    endif()
    if(line MATCHES "type=\"(unfinished|vanished|obsolete)\"")
        list(APPEND open "${CMAKE_MATCH_1}: ${source}")
    endif()
endforeach()
if(open)
    list(JOIN open "\n  " report)
    message(FATAL_ERROR "lumivex_en.ts is not up to date (build the target update_translations, then translate):\n  ${report}")
endif()
message(STATUS "lumivex_en.ts: every text translated")
