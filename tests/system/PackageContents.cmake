# SPDX-License-Identifier: MIT
# Builds the Debian package from this build tree and checks its file list
# (dpkg-deb --contents): program, window library, desktop file, MIME type,
# metainfo, thumbnailer, manual page, icons, help, copyright.
# Called with -DBUILD_DIR=... -DWORK_DIR=...
file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND cpack -G DEB -B "${WORK_DIR}" WORKING_DIRECTORY "${BUILD_DIR}"
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB deb "${WORK_DIR}/lumivex_*_*.deb")
if(NOT result EQUAL 0 OR NOT deb)
    message(FATAL_ERROR "cpack failed (${result}):\n${out}")
endif()
execute_process(COMMAND dpkg-deb --contents "${deb}" OUTPUT_VARIABLE contents RESULT_VARIABLE result)
execute_process(COMMAND dpkg-deb --field "${deb}" Depends OUTPUT_VARIABLE depends)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "dpkg-deb --contents failed")
endif()

foreach(path
        usr/bin/lumivex
        "usr/lib/[^ ]*lumivex/liblumivex_window.so"
        usr/share/applications/lumivex.desktop
        usr/share/mime/packages/lumivex-mtf.xml
        usr/share/metainfo/org.example.lumivex.metainfo.xml
        usr/share/thumbnailers/lumivex.thumbnailer
        usr/share/man/man1/lumivex.1.gz
        usr/share/icons/hicolor/scalable/apps/lumivex.svg
        usr/share/icons/hicolor/16x16/apps/lumivex.png
        usr/share/icons/hicolor/48x48/apps/lumivex.png
        usr/share/icons/hicolor/256x256/apps/lumivex.png
        usr/share/lumivex/hilfe.html
        usr/share/lumivex/help.html
        usr/share/doc/lumivex/copyright
        usr/share/doc/lumivex/changelog.gz)
    if(NOT contents MATCHES " \\./${path}\n")
        message(FATAL_ERROR "not in the package: ${path}\n${contents}")
    endif()
endforeach()
# Everything lies below /usr, owned by root.
string(REGEX MATCHALL "[^\n]+\n" lines "${contents}")
foreach(line IN LISTS lines)
    if(NOT line MATCHES "^[-dl]r[-w][-x]r-[-x]r-[-x] root/root +[0-9]+ [-0-9]+ [0-9:]+ \\./(usr/.*)?\n$")
        message(FATAL_ERROR "unexpected entry: ${line}")
    endif()
endforeach()
# dpkg-shlibdeps found the Qt libraries the program and its library link.
foreach(library libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 qt6-qpa-plugins)
    if(NOT depends MATCHES "${library}")
        message(FATAL_ERROR "no dependency on ${library}: ${depends}")
    endif()
endforeach()
