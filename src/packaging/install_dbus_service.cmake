# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the session bus's service file, so that a call to the program's bus name starts
# it when no copy runs.
if(IS_ABSOLUTE "${QUORVANE_BINDIR}")
  set(program "${QUORVANE_BINDIR}/quorvane")
else()
  set(program "${CMAKE_INSTALL_PREFIX}/${QUORVANE_BINDIR}/quorvane")
endif()
file(CONFIGURE OUTPUT "${QUORVANE_STAGE}/com.corvantis.Quorvane.service"
     CONTENT "[D-BUS Service]\nName=com.corvantis.Quorvane\nExec=${program}\n")
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${QUORVANE_DATADIR}/dbus-1/services" TYPE FILE
     FILES "${QUORVANE_STAGE}/com.corvantis.Quorvane.service")
