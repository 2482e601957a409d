# What `cmake --install` puts under the prefix: the programs in bin/, the example
# parameter file in share/tembrix2/examples/, the README and the example figure in
# share/doc/tembrix2/. Included last, once every program target exists.
include(GNUInstallDirs)

install(TARGETS tembrix2 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The companion checker is its own target; the rule holds whether or not it is built.
if(TARGET tembrix2-inspect)
  install(TARGETS tembrix2-inspect RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(PROGRAMS ${PROJECT_SOURCE_DIR}/tools/plot_run.py
        DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME tembrix2-plot)
install(FILES ${PROJECT_SOURCE_DIR}/examples/Tembrix2.dat
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tembrix2/examples)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/docs/example.png DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)
