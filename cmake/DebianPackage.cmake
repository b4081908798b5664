# `make package`: kolprog_<version>_amd64.deb with CPack, from an install into /usr.
# The shared libraries the programs link give the dependencies (dpkg-shlibdeps), the
# fonts aside.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kolprog)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "KOL Programmer developers <kolprog@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programmer for the LZ3300T marine VHF radio with DSC and ATIS")
# The summary is the first line; CPack indents the body's lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Reads the radio's memory over a serial port, edits its channels, MMSI
directories, DSC and ATIS settings, saves them as settings files, prints a
report and programs the radio back: in the editor window kolprog, or for
many radios with the command-line tool kolprog-cli.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts the window draws its texts with (its platform plugin comes with libqt6gui6).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "bash-completion")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
