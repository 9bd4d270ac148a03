# Run by cpack before packing: a new version needs its changelog entry before it
# can be packaged. A build that makes no package does not ask for one.
file(STRINGS ${CPACK_CUERDALOKKK_CHANGELOG} newest_entry LIMIT_COUNT 1)
string(REGEX MATCH "^cuerdalokkk \\(([^)]*)\\)" newest_entry "${newest_entry}")
if(NOT CMAKE_MATCH_1 STREQUAL CPACK_PACKAGE_VERSION)
  message(FATAL_ERROR "packaging/changelog starts with version \"${CMAKE_MATCH_1}\", "
                      "not with this version, ${CPACK_PACKAGE_VERSION}")
endif()
