# SPDX-License-Identifier: MIT
# The German and the English help document have the same sections in the
# same order (the ids of their headings), and every link inside a document
# leads to one of its sections.
# cmake -DGERMAN=... -DENGLISH=... -P CheckHelpSections.cmake
cmake_minimum_required(VERSION 3.25)
function(section_ids document out)
    file(READ ${document} text)
    string(REGEX MATCHALL "<h[1-6] id=\"[^\"]*\"" headings "${text}")
    set(ids "")
    foreach(heading IN LISTS headings)
        string(REGEX REPLACE ".*id=\"([^\"]*)\"" "\\1" id "${heading}")
        list(APPEND ids ${id})
    endforeach()
    string(REGEX MATCHALL "href=\"#[^\"]*\"" links "${text}")
    foreach(link IN LISTS links)
        string(REGEX REPLACE "href=\"#([^\"]*)\"" "\\1" target "${link}")
        if(NOT target IN_LIST ids)
            message(SEND_ERROR "${document}: the link to #${target} leads to no section")
        endif()
    endforeach()
    set(${out} "${ids}" PARENT_SCOPE)
endfunction()

section_ids(${GERMAN} german)
section_ids(${ENGLISH} english)
if(NOT german STREQUAL english)
    string(REPLACE ";" " " german "${german}")
    string(REPLACE ";" " " english "${english}")
    message(FATAL_ERROR "The help documents' sections differ:\n  ${GERMAN}: ${german}\n  ${ENGLISH}: ${english}")
endif()
list(LENGTH german count)
message(STATUS "${count} sections in both help documents")
