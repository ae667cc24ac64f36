# Installs the build into a staging directory (DESTDIR) and checks that a
# desktop finds everything: the program, the help beside it, the icon, the
# .desktop entry and the MIME type it names for *.mtf files.
# Called with -DBUILD_DIR=... -DSTAGE_DIR=...
file(REMOVE_RECURSE "${STAGE_DIR}")
set(ENV{DESTDIR} "${STAGE_DIR}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix /usr
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(root "${STAGE_DIR}/usr")
foreach(path bin/lumivex share/lumivex/hilfe.html share/applications/lumivex.desktop
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
message(STATUS "installed layout complete, *.mtf is ${mime_type}")
