# The Debian package: `cpack` in the build directory writes
# cuerdalokkk_<version>_amd64.deb, with the version of project().

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cuerdalokkk)
set(CPACK_PACKAGE_CONTACT "Los colaboradores de CuErDaLoKKK <cuerdalokkk@users.noreply.github.com>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Juego del ahorcado para uno o varios jugadores")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Se adivinan las letras de una palabra escondida tecleándolas en la ventana
principal. Cada letra fallada añade una pieza al muñeco del marco «Colgado»,
y la novena pierde la palabra.

Tiene cinco modos de juego: un jugador contra las palabras del ordenador, con
puntos y una tabla de las tres mejores puntuaciones; dos jugadores que se ponen
palabras el uno al otro; y varios jugadores por turnos contra la palabra del
ordenador o la de un jugador. Las palabras están en un archivo que los
jugadores pueden ampliar.")

# The libraries the game links come from dpkg-shlibdeps; what it only loads
# at run time has to be named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")

set(CPACK_CUERDALOKKK_GAME ${CUERDALOKKK_GAMESDIR}/cuerdalokkk)
set(CPACK_CUERDALOKKK_STRIP ${CMAKE_STRIP})
set(CPACK_CUERDALOKKK_CHANGELOG ${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/changelog_names_version.cmake
                            ${CMAKE_CURRENT_LIST_DIR}/strip_like_debian.cmake)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# Installed with DESTDIR, so that the paths written into the launcher entry
# and the launcher at install time are those of the installed system.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)

set(debian_doc ${CMAKE_INSTALL_DATADIR}/doc/cuerdalokkk)
configure_file(packaging/copyright.in ${CMAKE_CURRENT_BINARY_DIR}/packaging/copyright @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/copyright DESTINATION ${debian_doc})
cuerdalokkk_install_compressed(${CPACK_CUERDALOKKK_CHANGELOG} ${debian_doc})

include(CPack)
