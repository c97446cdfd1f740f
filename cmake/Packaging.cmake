# cpack -G DEB: a Debian package that declares the libraries it links (found
# by dpkg-shlibdeps) and the font packages the layout is measured against.
set(CPACK_PACKAGE_NAME pelomar)
set(CPACK_PACKAGE_VENDOR "Brasmo")
set(CPACK_PACKAGE_CONTACT "${PELOMAR_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-wine")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Crossing diagram for one gene, for genetics lessons\n Father and mother with two alleles each, their gametes and the four\n children; typing an allele into one of its boxes shows it in the other three.")
include(CPack)
