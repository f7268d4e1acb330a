# lingotab_add_test(NAME SOURCES file... LIBS lib...)
# One GoogleTest executable per call, registered with CTest. Every test runs
# headless (a QApplication on the offscreen platform), with its own registry
# and workbook folders, and never opens a viewer.
function(lingotab_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE lingotab_test_support ${T_LIBS})
    set(scratch ${CMAKE_BINARY_DIR}/test-scratch/${name})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;LINGOTAB_NO_VIEWER=1;LINGOTAB_REGISTRY_DIR=${scratch}/registry;LINGOTAB_WORKBOOK_DIR=${scratch}/workbooks;LINGOTAB_SOURCE_DIR=${CMAKE_SOURCE_DIR};LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp;ASAN_OPTIONS=detect_leaks=1"
        TIMEOUT 300)
endfunction()

# lingotab_add_fuzz_target(NAME SOURCE file LIBS lib...)
# With LINGOTAB_FUZZ a libFuzzer binary; otherwise a plain executable that
# replays the seed corpus tests/fuzz/corpus/NAME as a regression test.
function(lingotab_add_fuzz_target name)
    cmake_parse_arguments(F "" "SOURCE" "LIBS" ${ARGN})
    add_executable(${name} ${F_SOURCE})
    target_link_libraries(${name} PRIVATE ${F_LIBS})
    if(LINGOTAB_FUZZ)
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    else()
        target_sources(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/fuzz/replay_main.cpp)
        add_test(NAME ${name}_replay COMMAND ${name} ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name})
        set_tests_properties(${name}_replay PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp")
    endif()
endfunction()
