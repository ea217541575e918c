# Runs lupdate over every source into a copy of the English translation, as `make
# translations` would, and fails when a text of the programs has no finished translation:
#   cmake -DLUPDATE=lupdate -DSOURCES=src -DTS=chaserom_en.ts -DCOPY=copy.ts -P translations.cmake
file(COPY ${TS} DESTINATION ${COPY})
get_filename_component(name ${TS} NAME)
set(copy ${COPY}/${name})
file(GLOB_RECURSE sources ${SOURCES}/*.cpp ${SOURCES}/*.h)
execute_process(COMMAND ${LUPDATE} -silent -I ${SOURCES} -source-language ru_RU -target-language en
                        -locations none -no-obsolete ${sources} -ts ${copy}
                RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${errors}")
endif()
file(READ ${copy} ts)
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\"" unfinished
       "${ts}")
if(unfinished)
    message(FATAL_ERROR "texts without an English translation (make translations, then "
                        "translate them):\n${unfinished}")
endif()
