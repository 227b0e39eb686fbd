# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into PREFIX the way a distribution packages it (stripped) and checks
# what the packager and the desktop rely on: the licence, validator-clean desktop entry and
# AppStream metadata in every interface language, the icon at the theme's sizes, a program
# without symbols, and a service file that lets the session bus start the program.
# Needs SOURCE_DIR, BUILD_DIR, PREFIX, the install folders BINDIR, DATADIR, MANDIR and the tools
# READELF, DESKTOP_FILE_VALIDATE, APPSTREAMCLI, GROFF.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} --strip
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(applications ${PREFIX}/${DATADIR}/applications)
set(entry ${applications}/com.corvantis.Quorvane.desktop)
set(metainfo ${PREFIX}/${DATADIR}/metainfo/com.corvantis.Quorvane.metainfo.xml)
set(program ${PREFIX}/${BINDIR}/quorvane)
set(services ${PREFIX}/${DATADIR}/dbus-1/services)
set(icons ${PREFIX}/${DATADIR}/icons/hicolor)
foreach(file ${program} ${entry} ${metainfo} ${services}/com.corvantis.Quorvane.service
             ${PREFIX}/${MANDIR}/man1/quorvane.1 ${icons}/scalable/apps/quorvane.svg
             ${PREFIX}/${DATADIR}/doc/quorvane/LICENSE)
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# The man page formats without a warning (groff's own checks, as man runs them).
execute_process(COMMAND ${GROFF} -man -ww -z ${PREFIX}/${MANDIR}/man1/quorvane.1
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT output STREQUAL "")
  message(FATAL_ERROR "groff finds faults in the man page:\n${output}")
endif()

file(READ ${SOURCE_DIR}/LICENSE licence)
if(NOT licence MATCHES "GNU GENERAL PUBLIC LICENSE[ \n]+Version 3, 29 June 2007")
  message(FATAL_ERROR "LICENSE does not hold the GPL 3.0 text")
endif()

# The validators print their warnings and hints; only the metadata id's capitals (a name
# the program's bus name and stored settings share, which cannot change) are let through.
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${entry} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT output STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate ${entry}:\n${output}")
endif()
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --pedantic --no-color ${metainfo}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
string(REGEX REPLACE "P: com.corvantis.Quorvane:[0-9]+: cid-contains-uppercase-letter[^\n]*\n" "" rest "${output}")
if(NOT result EQUAL 0 OR rest MATCHES "(^|\n)[EWIP]: ")
  message(FATAL_ERROR "appstreamcli validate ${metainfo}:\n${output}")
endif()

# Every interface language names the program's actions in menus and software centres.
file(READ ${entry} entry_text)
file(READ ${metainfo} metainfo_text)
file(GLOB tables ${SOURCE_DIR}/translations/quorvane_*.ts)
foreach(table ${tables})
  string(REGEX REPLACE ".*quorvane_(.*)\\.ts$" "\\1" code ${table})
  if(code STREQUAL "en")
    continue()
  endif()
  string(REPLACE "zh-Hans" "zh_CN" code ${code})
  string(REPLACE "zh-Hant" "zh_TW" code ${code})
  string(REPLACE "pt-BR" "pt_BR" code ${code})
  foreach(key GenericName Comment Keywords Name)
    if(NOT entry_text MATCHES "\n${key}\\[${code}\\]=[^\n]+")
      message(FATAL_ERROR "the desktop entry has no ${key}[${code}]")
    endif()
  endforeach()
  if(NOT metainfo_text MATCHES "<summary xml:lang=\"${code}\">" OR NOT metainfo_text MATCHES "<li xml:lang=\"${code}\">")
    message(FATAL_ERROR "the AppStream metadata is not translated to ${code}")
  endif()
endforeach()

# PNG copies at the icon theme's sizes, each as large as its folder says.
foreach(size 16 22 24 32 48 64 128 256)
  set(png ${icons}/${size}x${size}/apps/quorvane.png)
  if(NOT EXISTS ${png})
    message(FATAL_ERROR "not installed: ${png}")
  endif()
  file(READ ${png} header OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING ${header} 0 8 width)
  string(SUBSTRING ${header} 8 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "${png} is ${width}x${height}")
  endif()
endforeach()

# The debug information stays in the build for a packager to split off.
execute_process(COMMAND ${READELF} --section-headers ${program} OUTPUT_VARIABLE sections RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR sections MATCHES "\\.symtab|\\.debug_")
  message(FATAL_ERROR "the installed program is not stripped")
endif()

# A call to the program's bus name on a bus that knows only the installed services starts
# the program; its Quit ends it again.
set(home ${PREFIX}/home)
file(MAKE_DIRECTORY ${home}/runtime)
file(CHMOD ${home}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
file(WRITE ${PREFIX}/bus.conf "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"
 \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <servicedir>${services}</servicedir>
  <policy context=\"default\">
    <allow send_destination=\"*\" eavesdrop=\"true\"/>
    <allow eavesdrop=\"true\"/>
    <allow own=\"*\"/>
  </policy>
</busconfig>
")
set(call dbus-send --session --print-reply --reply-timeout=20000)
string(JOIN " " ping ${call} --dest=com.corvantis.Quorvane /com/corvantis/Quorvane org.freedesktop.DBus.Peer.Ping)
string(JOIN " " quit ${call} --dest=com.corvantis.Quorvane /com/corvantis/Quorvane com.corvantis.Quorvane.Quit)
string(JOIN " " owned ${call} --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner string:com.corvantis.Quorvane)
# The program answers Quit before it has ended: wait until it gives its name up.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env HOME=${home} XDG_CONFIG_HOME=${home}/config XDG_DATA_HOME=${home}/data
          XDG_CACHE_HOME=${home}/cache XDG_RUNTIME_DIR=${home}/runtime QT_QPA_PLATFORM=offscreen
          dbus-run-session --config-file=${PREFIX}/bus.conf -- sh -ec
          "${ping} >/dev/null; ${quit} >/dev/null
           for attempt in $(seq 200); do ${owned} | grep -q 'boolean false' && exit 0; sleep 0.1; done
           echo 'the program did not end after Quit' >&2; exit 1"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the session bus did not start the installed program, or Quit did not end it:\n${output}")
endif()
file(REMOVE_RECURSE ${PREFIX})
