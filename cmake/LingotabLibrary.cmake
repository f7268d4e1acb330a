# lingotab_library(NAME folder [EXCLUDE regex...])
# One static library per subsystem folder, made of every .cpp below it (new
# files join on the next build without editing this list). Headers are
# included from the source root as "folder/file.h".
function(lingotab_library name)
    cmake_parse_arguments(L "" "" "EXCLUDE" ${ARGN})
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    foreach(pattern ${L_EXCLUDE})
        list(FILTER sources EXCLUDE REGEX "${pattern}")
    endforeach()
    if(NOT sources)
        # A subsystem that has no code yet still gives a target to link.
        file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name}_empty.cpp "")
        set(sources ${CMAKE_CURRENT_BINARY_DIR}/${name}_empty.cpp)
    endif()
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
endfunction()
