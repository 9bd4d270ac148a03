# Installs BUILD_DIR into a fresh PREFIX and checks that every path in
# EXPECTED ("|"-separated, relative to PREFIX) is there, and that the launcher
# entry DESKTOP_ENTRY starts LAUNCHER, which starts GAME, all in PREFIX.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

string(REPLACE "|" ";" expected "${EXPECTED}")
set(missing)
foreach(path IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${path})
    list(APPEND missing ${path})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "not installed: ${missing}")
endif()

# The paths are written at install time: those configured would name another prefix.
file(STRINGS ${PREFIX}/${DESKTOP_ENTRY} exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=${PREFIX}/${LAUNCHER}")
  message(FATAL_ERROR "the launcher entry says \"${exec}\", not ${PREFIX}/${LAUNCHER}")
endif()
file(STRINGS ${PREFIX}/${LAUNCHER} game REGEX "^exec ")
if(NOT game STREQUAL "exec \"${PREFIX}/${GAME}\"")
  message(FATAL_ERROR "the launcher says \"${game}\", not ${PREFIX}/${GAME}")
endif()

# Each PNG icon is as large as the folder it stands in says (PNG header:
# width and height as 4-byte big-endian numbers from byte 16 on).
foreach(path IN LISTS expected)
  if(path MATCHES "/([0-9]+)x([0-9]+)/apps/.*\\.png$")
    math(EXPR side_hex "${CMAKE_MATCH_1}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${side_hex}" 2 -1 side_hex)
    string(LENGTH "${side_hex}" digits)
    math(EXPR padding "8 - ${digits}")
    string(REPEAT "0" ${padding} zeros)
    file(READ ${PREFIX}/${path} size_hex OFFSET 16 LIMIT 8 HEX)
    if(NOT size_hex STREQUAL "${zeros}${side_hex}${zeros}${side_hex}")
      message(FATAL_ERROR "${path} is not ${CMAKE_MATCH_1} pixels square (${size_hex})")
    endif()
  endif()
endforeach()
