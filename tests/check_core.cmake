# Fails when a core source includes a Qt header or reads a system clock directly: the core runs on
# the clock and platform interfaces it is given.
set(problems "")
foreach(folder options engine patient device)
    file(GLOB_RECURSE sources ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
    foreach(source ${sources})
        file(STRINGS ${source} lines)
        set(number 0)
        foreach(line IN LISTS lines)
            math(EXPR number "${number} + 1")
            if(line MATCHES "#include[ \t]*<Q" OR line MATCHES "#include[ \t]*<qt"
               OR line MATCHES "system_clock|steady_clock|high_resolution_clock|gettimeofday|clock_gettime"
               OR line MATCHES "[^a-zA-Z_.]time\\(|localtime|gmtime|std::rand\\(|srand\\(")
                string(APPEND problems "${source}:${number}: ${line}\n")
            endif()
        endforeach()
    endforeach()
endforeach()
if(problems)
    message(FATAL_ERROR "The core must not use Qt or the system clock:\n${problems}")
endif()
