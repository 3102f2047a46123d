# The Debian package: the installation below /usr, stripped, its library
# dependencies found by dpkg-shlibdeps. The machine-wide registry key is not
# packaged as a file: the package's postinst creates it and a purge removes it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qx-sendora)
set(CPACK_PACKAGE_VENDOR Marovia)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
# Installed into DESTDIR, as a staged install: rules that act on the system
# when installing directly (the key, the desktop caches) keep out.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "send plot files to wide-format printers")
set(CPACK_PACKAGE_DESCRIPTION
    "QX-Sendora sends HP-GL, TIFF, CALS, CGM, PostScript, PDF and other plot\n"
    "files to wide-format printers as one PJL job uploaded over FTP, edits the\n"
    "printers' settings and keeps the owner, printer and data format lists.\n"
    "It comes as a desktop program (qx-sendora) and a command line\n"
    "(qx-sendora-cli).")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QX_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so invisible to dpkg-shlibdeps: Qt's platform plugins,
# and xdg-open for the manual and the printers' web pages.
if(QX_BUILD_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, xdg-utils")
endif()
# Run as a program for PostScript previews; without it they are left out.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "ghostscript")

foreach(script postinst postrm)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/${script}.in ${CMAKE_BINARY_DIR}/packaging/control/${script} @ONLY)
  list(APPEND CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/packaging/control/${script})
endforeach()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Every install component in one package, less the registry key.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
get_cmake_property(CPACK_COMPONENTS_ALL COMPONENTS)
list(REMOVE_ITEM CPACK_COMPONENTS_ALL MachineKey)
include(CPack)
