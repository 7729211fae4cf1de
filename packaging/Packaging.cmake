# Installing Corvane the way a Debian desktop expects a program with a folder of its own, and the
# Debian package made from that same installation (scripts/package.sh).
#
#   /usr/lib/corvane/          corvane, corvane-db and config.txt, which start-up reads there
#   /etc/corvane/config.txt    the real config.txt: the administrator's to edit, kept on upgrade
#   /usr/bin/                  corvane and corvane-db, links into the program folder
#   /usr/share/                the menu entry, the icon in every usual size, the AppStream data
#
# Laid out for the prefix /usr; another prefix keeps config.txt in PREFIX/etc/corvane.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX /usr CACHE PATH "Where cmake --install puts Corvane" FORCE)
endif()

set(CORVANE_PROGRAM_DIR lib/corvane)
set(packaging ${CMAKE_CURRENT_LIST_DIR})

install(TARGETS corvane corvane-db RUNTIME DESTINATION ${CORVANE_PROGRAM_DIR})
install(FILES ${packaging}/corvane.desktop DESTINATION share/applications)
install(FILES ${packaging}/org.corvane.Corvane.metainfo.xml DESTINATION share/metainfo)
install(FILES ${packaging}/copyright DESTINATION share/doc/corvane)
install(FILES ${packaging}/icons/corvane.svg DESTINATION share/icons/hicolor/scalable/apps)
# 32 and 256 are the pictures the windows show; the other sizes are drawn from corvane.svg
# (rsvg-convert -w N -h N corvane.svg -o corvane-N.png).
foreach(size 16 22 24 32 48 64 128 256)
  if(size EQUAL 32 OR size EQUAL 256)
    set(picture ${CMAKE_SOURCE_DIR}/src/app/corvane-${size}.png)
  else()
    set(picture ${packaging}/icons/corvane-${size}.png)
  endif()
  install(FILES ${picture} DESTINATION share/icons/hicolor/${size}x${size}/apps
    RENAME corvane.png)
endforeach()

# The links are made when installing, with the prefix given then (cmake --install --prefix).
# Links within /usr are relative; the one from /usr to /etc is absolute, as Debian wants.
install(CODE "set(corvane_packaging \"${packaging}\")")
install(CODE [[
  if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    set(etc /etc)
  else()
    set(etc "${CMAKE_INSTALL_PREFIX}/etc")
  endif()
  file(INSTALL "${corvane_packaging}/config.txt" DESTINATION "${etc}/corvane")
  set(usr "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
  message(STATUS "Linking: ${usr}/lib/corvane/config.txt -> ${etc}/corvane/config.txt")
  file(CREATE_LINK "${etc}/corvane/config.txt" "${usr}/lib/corvane/config.txt" SYMBOLIC)
  file(MAKE_DIRECTORY "${usr}/bin")
  foreach(program corvane corvane-db)
    file(CREATE_LINK "../lib/corvane/${program}" "${usr}/bin/${program}" SYMBOLIC)
  endforeach()
  # Debian keeps a package's history compressed, reproducibly (no name or time in the header).
  execute_process(COMMAND gzip -9nc "${corvane_packaging}/changelog"
    OUTPUT_FILE "${usr}/share/doc/corvane/changelog.gz" COMMAND_ERROR_IS_FATAL ANY)
]])

# Making the package builds only what it installs, not the tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_CONTACT "Corvane developers <corvane@corvane.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "contact manager for a dealer in office equipment")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Corvane keeps one encrypted database of customers, the machines they bought"
  "or lease, with lease terms and payments, and the telemarketing calls made to"
  "them. Its users search the customers by criteria and free text, drill down to"
  "each customer's machines and calls, keep those records up to date, and print"
  "or export what they found."
  "."
  "Every user of the machine keeps a database of their own; the first start"
  "offers to make it.")
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Absolute destinations (/etc) go into the package as they stand.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the libraries do not name: the window system's plug-ins and the one dialog font every
# window is laid out for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${packaging}/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
