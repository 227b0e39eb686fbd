# Installs the build into PREFIX and checks that every file a desktop needs is there.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
include(GNUInstallDirs)
foreach(file
    ${CMAKE_INSTALL_BINDIR}/quorvane
    ${CMAKE_INSTALL_DATADIR}/applications/com.corvantis.Quorvane.desktop
    ${CMAKE_INSTALL_DATADIR}/metainfo/com.corvantis.Quorvane.metainfo.xml
    ${CMAKE_INSTALL_MANDIR}/man1/quorvane.1
    ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps/quorvane.svg)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
