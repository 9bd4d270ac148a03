# Where the game and its helpers are installed, relative to the prefix, and
# the two ways files are installed beyond install(FILES).

# Games have a directory of their own on Debian and in the FHS; on Windows the
# program is at the top of its folder, with what it loads beside it.
if(WIN32)
  set(CUERDALOKKK_GAMESDIR . CACHE STRING "Directory of the game program, relative to the prefix")
else()
  set(CUERDALOKKK_GAMESDIR games CACHE STRING "Directory of the game program, relative to the prefix")
endif()
# The menu's launcher is a helper, not a command for players: not in the PATH.
set(CUERDALOKKK_LAUNCHER_DIR ${CMAKE_INSTALL_LIBEXECDIR}/cuerdalokkk)
set(CUERDALOKKK_LAUNCHER_NAME launch-from-menu)

# The fonts the windows are designed with, on this machine: the Windows folder
# carries them, and the window tests compare layouts drawn with them.
set(CUERDALOKKK_FONTS /usr/share/fonts/truetype/liberation2 CACHE PATH "Where the Liberation fonts are")
set(CUERDALOKKK_FONT_FACES Sans-Regular Sans-Bold Serif-Regular Serif-Bold)

# Installs `template` as `destination`/`name` (PROGRAM: executable), with
# @CUERDALOKKK_INSTALLED_GAME@ and @CUERDALOKKK_INSTALLED_LAUNCHER@ made the
# full paths of the game and the menu launcher in the prefix being installed
# to. That prefix is known only at install time: `cmake --install --prefix`
# and the package choose it then. Each prefix gets its own configured copy,
# so two installations running at once do not mix their paths.
function(cuerdalokkk_install_configured template destination name)
  cmake_parse_arguments(PARSE_ARGV 3 arg "PROGRAM" "" "")
  set(type FILE)
  if(arg_PROGRAM)
    set(type PROGRAM)
  endif()
  install(CODE "
    set(CUERDALOKKK_APP_ID \"${CUERDALOKKK_APP_ID}\")
    set(CUERDALOKKK_INSTALLED_GAME \"${CUERDALOKKK_GAMESDIR}/cuerdalokkk\")
    set(CUERDALOKKK_INSTALLED_LAUNCHER \"${CUERDALOKKK_LAUNCHER_DIR}/${CUERDALOKKK_LAUNCHER_NAME}\")
    set(destination \"${destination}\")
    foreach(path CUERDALOKKK_INSTALLED_GAME CUERDALOKKK_INSTALLED_LAUNCHER destination)
      cmake_path(ABSOLUTE_PATH \${path} BASE_DIRECTORY \"\${CMAKE_INSTALL_PREFIX}\" NORMALIZE)
    endforeach()
    string(MD5 installation \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
    set(configured \"${CMAKE_CURRENT_BINARY_DIR}/installed/\${installation}/${name}\")
    configure_file(\"${template}\" \"\${configured}\" @ONLY)
    file(INSTALL \"\${configured}\" DESTINATION \"\${destination}\" TYPE ${type})
  ")
endfunction()

# Installs a copy of `file` compressed the way Debian wants manual pages and
# changelogs: gzip at its best, with no name or time stamp inside.
function(cuerdalokkk_install_compressed file destination)
  find_program(GZIP gzip REQUIRED)
  cmake_path(GET file FILENAME name)
  set(copy ${CMAKE_CURRENT_BINARY_DIR}/compressed/${name})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${file} ${copy}
    COMMAND ${GZIP} -9nf ${copy}
    DEPENDS ${file}
    COMMENT "Compressing ${name}"
    VERBATIM)
  string(MAKE_C_IDENTIFIER "compressed_${name}" target)
  add_custom_target(${target} ALL DEPENDS ${copy}.gz)
  install(FILES ${copy}.gz DESTINATION ${destination})
endfunction()
