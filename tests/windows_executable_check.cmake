# Checks a cross-built kenrow.exe without running it (the 32-bit one cannot be
# run here): it must be a console program for the expected processor that
# needs no DLL beyond those every Windows has, so that the zip works unpacked
# on a bare machine.
#   cmake -DOBJDUMP=... -DEXE=... -DFORMAT=pei-i386|pei-x86-64 -P windows_executable_check.cmake
# objdump speaks the locale's language, and the Windows tests run in Japanese.
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C ${OBJDUMP} -p ${EXE}
                OUTPUT_VARIABLE headers RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${OBJDUMP} could not read ${EXE}")
endif()
if(NOT headers MATCHES "file format ${FORMAT}\n")
    message(FATAL_ERROR "${EXE} is not ${FORMAT}")
endif()
if(NOT headers MATCHES "Subsystem[\t ]+00000003[\t ]+\\(Windows CUI\\)")
    message(FATAL_ERROR "${EXE} is not a console program")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
foreach(import IN LISTS imports)
    if(NOT import MATCHES "^DLL Name: (KERNEL32|msvcrt)\\.dll$")
        message(FATAL_ERROR "${EXE} needs a DLL that Windows does not ship: ${import}")
    endif()
endforeach()
message(STATUS "${EXE}: ${FORMAT} console program importing ${imports}")
