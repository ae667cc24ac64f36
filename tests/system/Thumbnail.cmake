# SPDX-License-Identifier: MIT
# lumivex --thumbnail SIZE IN OUT, as a file manager calls it: a PNG of
# SIZE x SIZE pixels, SIZE from 16 to 1024; a malformed lens file gives
# exit 1 and no OUT, a SIZE outside the range a usage error.
# Called with -DPROGRAM=... -DLENS=... -DWORK_DIR=...
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
file(WRITE "${WORK_DIR}/kaputt.mtf" "Lens data\nX12320\n")

function(thumbnail expected_status size lens out)
    execute_process(COMMAND "${PROGRAM}" --thumbnail ${size} "${lens}" "${out}" RESULT_VARIABLE status
                    ERROR_VARIABLE err)
    if(NOT status EQUAL expected_status)
        message(FATAL_ERROR "--thumbnail ${size} ${lens}: exit ${status}, expected ${expected_status}\n${err}")
    endif()
endfunction()

# Width and height stand big-endian in the IHDR chunk, from byte 16 on.
foreach(size_and_hex "128;0000008000000080" "256;0000010000000100")
    list(GET size_and_hex 0 size)
    list(GET size_and_hex 1 hex)
    thumbnail(0 ${size} "${LENS}" "${WORK_DIR}/${size}.png")
    file(READ "${WORK_DIR}/${size}.png" signature HEX LIMIT 8)
    file(READ "${WORK_DIR}/${size}.png" dimensions HEX OFFSET 16 LIMIT 8)
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT dimensions STREQUAL hex)
        message(FATAL_ERROR "--thumbnail ${size}: not a ${size} x ${size} PNG (${signature} ${dimensions})")
    endif()
endforeach()

thumbnail(1 256 "${WORK_DIR}/kaputt.mtf" "${WORK_DIR}/kaputt.png")
thumbnail(2 15 "${LENS}" "${WORK_DIR}/15.png")
thumbnail(2 1025 "${LENS}" "${WORK_DIR}/1025.png")
file(GLOB left RELATIVE "${WORK_DIR}" "${WORK_DIR}/*")
list(SORT left)
if(NOT left STREQUAL "128.png;256.png;kaputt.mtf")
    message(FATAL_ERROR "files after the runs: ${left}")
endif()
