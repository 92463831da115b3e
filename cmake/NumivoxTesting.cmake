# numivox_add_test(<name> SOURCES <files...> LIBRARIES <targets...> [LABELS <labels...>])
# A QtTest executable run by CTest on Qt's offscreen platform, so that it needs no display, in
# English whatever the machine's language, linked with the tests' own library.
function(numivox_add_test name)
    cmake_parse_arguments(TEST "" "" "SOURCES;LIBRARIES;LABELS" ${ARGN})
    add_executable(${name} ${TEST_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test numivox_testing ${TEST_LIBRARIES})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_QPA_FONTDIR=/usr/share/fonts;LANGUAGE=en"
        TIMEOUT 600
        LABELS "${TEST_LABELS}")
endfunction()
