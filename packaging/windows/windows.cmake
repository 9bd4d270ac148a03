# The game's folder on Windows, as the zip and the installer hold it: the
# program, and beside it the libraries, plugins, Spanish texts and fonts it loads.

find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets)
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
cmake_path(GET qt_core_dll PARENT_PATH qt_bin)
cmake_path(GET qt_bin PARENT_PATH qt_prefix)
install(FILES ${qt_bin}/Qt6Core.dll ${qt_bin}/Qt6Gui.dll ${qt_bin}/Qt6Widgets.dll DESTINATION .)
install(FILES ${qt_prefix}/plugins/platforms/qwindows.dll DESTINATION plugins/platforms)
install(FILES ${qt_prefix}/plugins/styles/qwindowsvistastyle.dll DESTINATION plugins/styles)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/qt.conf DESTINATION .)

# MinGW's C++ runtime, which Qt and the game link.
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${found}")
    find_file(found ${runtime} PATHS /usr/x86_64-w64-mingw32/lib NO_DEFAULT_PATH NO_CACHE REQUIRED)
  endif()
  install(FILES ${found} DESTINATION .)
  # Debian's copies keep their debugging symbols, of no use to a player.
  install(CODE "execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${runtime}\" COMMAND_ERROR_IS_FATAL ANY)")
  unset(found)
endforeach()

# Qt's own Spanish texts (the buttons of its boxes) work on any platform.
set(CUERDALOKKK_QT_TRANSLATIONS /usr/share/qt6/translations CACHE PATH "Where qtbase_es.qm is")
install(FILES ${CUERDALOKKK_QT_TRANSLATIONS}/qtbase_es.qm DESTINATION translations)

# The fonts the windows are designed with; Windows has only their look-alikes.
foreach(face IN LISTS CUERDALOKKK_FONT_FACES)
  install(FILES ${CUERDALOKKK_FONTS}/Liberation${face}.ttf DESTINATION fonts)
endforeach()
install(FILES /usr/share/doc/fonts-liberation2/copyright DESTINATION fonts RENAME LICENSE-Liberation.txt)
