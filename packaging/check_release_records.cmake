# Fails unless the newest entry of the changelog and the newest release of the
# AppStream data are the version being built, so no package goes out with an
# unrecorded release. Run by cpack before it packs (CPACK_* variables) and by
# the tests (-DCPACK_PACKAGE_VERSION=... -DCPACK_QUILSK_SOURCE_DIR=...).

set(version ${CPACK_PACKAGE_VERSION})
set(source ${CPACK_QUILSK_SOURCE_DIR})

file(STRINGS ${source}/packaging/changelog first_line LIMIT_COUNT 1)
if(NOT first_line MATCHES "^quillseek \\(([^)]+)\\) ")
  message(FATAL_ERROR "packaging/changelog: the first line is no changelog entry: ${first_line}")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL version)
  message(FATAL_ERROR "packaging/changelog records ${CMAKE_MATCH_1} last, the project is ${version}: add an entry")
endif()

file(READ ${source}/data/org.quillseek.quilsk.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<release version=\"([^\"]+)\"")
  message(FATAL_ERROR "the AppStream data records no release")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL version)
  message(FATAL_ERROR "the AppStream data records ${CMAKE_MATCH_1} last, the project is ${version}: add a release")
endif()
