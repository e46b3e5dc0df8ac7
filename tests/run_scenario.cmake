# Runs one scenario script in a fresh program directory and compares its output with NAME.out.
# A script may bring files to start from (NAME.given/) and files it must leave (NAME.files/).
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
if(EXISTS ${dir}/${name}.given)
    file(COPY ${dir}/${name}.given/ DESTINATION ${WORK})
endif()
execute_process(COMMAND ${SIM} ${SCRIPT}
    WORKING_DIRECTORY ${WORK}
    OUTPUT_FILE ${WORK}/actual.out
    ERROR_VARIABLE errors
    RESULT_VARIABLE status)
set(expected_status 0)
if(EXISTS ${dir}/${name}.status)
    file(READ ${dir}/${name}.status expected_status)
    string(STRIP "${expected_status}" expected_status)
endif()
if(NOT status STREQUAL expected_status)
    message(FATAL_ERROR "defibrio-sim exited with ${status}, expected ${expected_status}:\n${errors}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${dir}/${name}.out ${WORK}/actual.out RESULT_VARIABLE differs)
if(differs)
    execute_process(COMMAND diff -u ${dir}/${name}.out ${WORK}/actual.out OUTPUT_VARIABLE diff)
    message(FATAL_ERROR "output differs from ${name}.out:\n${diff}")
endif()
if(EXISTS ${dir}/${name}.files)
    file(GLOB expected_files RELATIVE ${dir}/${name}.files ${dir}/${name}.files/*)
    foreach(file ${expected_files})
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${dir}/${name}.files/${file} ${WORK}/${file}
            RESULT_VARIABLE differs)
        if(differs)
            message(FATAL_ERROR "${file} differs from ${name}.files/${file}")
        endif()
    endforeach()
endif()
