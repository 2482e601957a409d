# tembrix2-inspect: its library, and the real binaries run in scratch folders.
tembrix_test_suite(test_inspect inspect tembrix_inspect tembrix_statefile tembrix_textio)
if(TARGET test_inspect)
  target_include_directories(test_inspect PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/statefile)
  target_compile_definitions(test_inspect PRIVATE TEMBRIX2_BINARY="$<TARGET_FILE:tembrix2>"
    INSPECT_BINARY="$<TARGET_FILE:tembrix2-inspect>"
    EXAMPLE_PARAMETERS="${PROJECT_SOURCE_DIR}/examples/Tembrix2.dat")
  add_dependencies(test_inspect tembrix2 tembrix2-inspect)
endif()

# Round trips through the clients users read the conversions with: h5py and numpy.
add_test(NAME inspect_round_trip_h5py_numpy
  COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/inspect/round_trip_test.py
          $<TARGET_FILE:tembrix2> $<TARGET_FILE:tembrix2-inspect> ${PROJECT_SOURCE_DIR}/examples/Tembrix2.dat)
set_tests_properties(inspect_round_trip_h5py_numpy PROPERTIES TIMEOUT 300)
