# quorvel_add_test(NAME name SOURCES a.cpp ... LIBRARIES lib ...)
# One Qt Test executable, registered with CTest and run headless, with settings of its
# own (never the user's).
function(quorvel_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE Qt6::Test ${T_LIBRARIES})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${CMAKE_CURRENT_BINARY_DIR}/${T_NAME}-settings;QUORVEL_QTEST=1"
    TIMEOUT 300)
endfunction()
