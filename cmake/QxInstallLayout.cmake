# Where an installation puts things, below the install prefix, and which
# layout the programs are built for. A build tree keeps each user's files
# beside the programs; a build for installing (cmake --install, the package)
# keeps them in the user's XDG folders and never writes beside the programs.
option(QX_INSTALLED_LAYOUT "Build for an installation: user files in the XDG folders, not beside the programs" OFF)
include(GNUInstallDirs)

# The private program folder (programs, Res.dll, PrinterSetting/ and the
# configuration files) and, inside it, the fallback data folder.
set(QX_INSTALL_PROGRAM_DIR lib/qx-sendora)
set(QX_INSTALL_DATA_SUBDIR data/ZC)
# The machine-wide registry: in a build tree as before, in an installation
# in the system configuration folder of the prefix (/etc for /usr).
set(QX_BUILD_TREE_MACHINE_DIR /etc/xdg/qx-sendora)
set(QX_INSTALLED_MACHINE_DIR ${CMAKE_INSTALL_FULL_SYSCONFDIR}/qx-sendora)
if(QX_INSTALLED_LAYOUT)
  set(QX_MACHINE_DIR ${QX_INSTALLED_MACHINE_DIR})
  set(QX_INSTALLED_LAYOUT_VALUE true)
else()
  set(QX_MACHINE_DIR ${QX_BUILD_TREE_MACHINE_DIR})
  set(QX_INSTALLED_LAYOUT_VALUE false)
endif()

# qx_install_link(LINK TARGET): a relative symbolic link, both paths below
# the prefix, made when installing (also into DESTDIR or a package).
function(qx_install_link link target)
  get_filename_component(link_dir ${link} DIRECTORY)
  file(RELATIVE_PATH relative /${link_dir} /${target})
  install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${link}\")
    message(STATUS \"Installing: \${link} -> ${relative}\")
    get_filename_component(folder \"\${link}\" DIRECTORY)
    file(MAKE_DIRECTORY \"\${folder}\")
    file(CREATE_LINK \"${relative}\" \"\${link}\" SYMBOLIC)")
endfunction()
