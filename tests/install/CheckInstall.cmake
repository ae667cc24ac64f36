# SPDX-License-Identifier: MIT
# Installs the build into a staging directory (DESTDIR) and checks that a
# desktop finds everything: the program, the window library it loads, the
# help beside it, the icon, the .desktop entry and the MIME type it names
# for *.mtf files; and that the installed program exports without the
# widgets and finds the window library.
# Called with -DBUILD_DIR=... -DSOURCE_DIR=... -DSTAGE_DIR=... -DLIB_DIR=...
file(REMOVE_RECURSE "${STAGE_DIR}")
set(ENV{DESTDIR} "${STAGE_DIR}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix /usr
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(root "${STAGE_DIR}/usr")
foreach(path bin/lumivex ${LIB_DIR}/lumivex/liblumivex_window.so share/lumivex/hilfe.html share/lumivex/help.html share/applications/lumivex.desktop
             share/mime/packages/lumivex-mtf.xml share/icons/hicolor/scalable/apps/lumivex.svg)
    if(NOT EXISTS "${root}/${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

file(READ "${root}/share/applications/lumivex.desktop" desktop)
if(NOT desktop MATCHES "\nExec=lumivex %f\n")
    message(FATAL_ERROR "the desktop entry does not start lumivex with the file")
endif()
if(NOT desktop MATCHES "\nIcon=lumivex\n")
    message(FATAL_ERROR "the desktop entry names another icon")
endif()
string(REGEX MATCH "\nMimeType=([^;\n]+);" _ "${desktop}")
set(mime_type "${CMAKE_MATCH_1}")
if(mime_type STREQUAL "")
    message(FATAL_ERROR "the desktop entry names no MIME type")
endif()

file(READ "${root}/share/mime/packages/lumivex-mtf.xml" mime)
if(NOT mime MATCHES "<mime-type type=\"${mime_type}\">")
    message(FATAL_ERROR "the MIME package does not define ${mime_type}")
endif()
if(NOT mime MATCHES "<glob pattern=\"\\*\\.mtf\"/>")
    message(FATAL_ERROR "the MIME type does not cover *.mtf")
endif()

# The libraries a run loads, as the dynamic loader lists them (LD_DEBUG).
# A window run goes on until the time-out ends it; the loader has listed
# the window library long before.
function(run_program result_var loaded_var)
    execute_process(COMMAND timeout 5 env QT_QPA_PLATFORM=offscreen LD_DEBUG=files ${ARGN}
                    RESULT_VARIABLE result ERROR_VARIABLE err OUTPUT_QUIET)
    string(REGEX MATCHALL "file=[^ ]+ +\\[0\\]; +(generating link map|dynamically loaded)" loads "${err}")
    set(${result_var} "${result}" PARENT_SCOPE)
    set(${loaded_var} "${loads}" PARENT_SCOPE)
endfunction()

run_program(result loaded "${root}/bin/lumivex" --export "${STAGE_DIR}/chart.png"
            "${SOURCE_DIR}/examples/beispiel-testlinse.mtf")
if(NOT result EQUAL 0 OR NOT EXISTS "${STAGE_DIR}/chart.png")
    message(FATAL_ERROR "the installed lumivex --export failed: ${result}")
endif()
if(loaded MATCHES "Widgets|PrintSupport|lumivex_window")
    message(FATAL_ERROR "an export loads the window's libraries: ${loaded}")
endif()

# The window stays open until the timeout ends it (exit 124).
run_program(result loaded "${root}/bin/lumivex")
if(NOT result EQUAL 124 OR NOT loaded MATCHES "liblumivex_window.so" OR NOT loaded MATCHES "libQt6Widgets")
    message(FATAL_ERROR "the installed lumivex did not load the window library (${result}): ${loaded}")
endif()

# Without the library beside it or in the library directory, the window
# reports that it cannot start.
file(COPY "${root}/bin/lumivex" DESTINATION "${STAGE_DIR}/alone")
execute_process(COMMAND env QT_QPA_PLATFORM=offscreen "${STAGE_DIR}/alone/lumivex"
                RESULT_VARIABLE result ERROR_VARIABLE err TIMEOUT 60)
if(NOT result EQUAL 1 OR NOT err MATCHES "^lumivex: Das Fenster kann nicht geladen werden: liblumivex_window.so")
    message(FATAL_ERROR "a missing window library is not reported: ${result} ${err}")
endif()
execute_process(COMMAND env QT_QPA_PLATFORM=offscreen "${STAGE_DIR}/alone/lumivex" --lang en
                RESULT_VARIABLE result ERROR_VARIABLE err TIMEOUT 60)
if(NOT result EQUAL 1 OR NOT err MATCHES "^lumivex: The window cannot be loaded: liblumivex_window.so neither in")
    message(FATAL_ERROR "a missing window library is not reported in English: ${result} ${err}")
endif()
message(STATUS "installed layout complete, *.mtf is ${mime_type}")
