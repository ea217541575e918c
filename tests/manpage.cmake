# Checks that every line --help prints in a language stands in that language's manual page,
# roff markup aside:
#   cmake -DPROGRAM=chaserom -DLANGUAGE=ru -DPAGE=chaserom.1 -P manpage.cmake
execute_process(COMMAND ${PROGRAM} --language ${LANGUAGE} --help OUTPUT_VARIABLE help
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --help failed")
endif()
file(READ ${PAGE} page)
string(REPLACE "\\-" "-" page "${page}")
string(REGEX REPLACE "\n\\.[A-Za-z]+ ?" "\n" page "${page}")
string(REGEX REPLACE "[ \n]+" " " page "${page}")
string(REPLACE "\n" ";" lines "${help}")
foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    string(REGEX REPLACE " +" " " line "${line}")
    if(line STREQUAL "")
        continue()
    endif()
    string(FIND "${page}" "${line}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the manual page lacks: ${line}")
    endif()
endforeach()
