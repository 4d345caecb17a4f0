# Installing like a desktop program:
#   lib/vzt-trainer/vzt-trainer        the trainer
#   bin/vzt-trainer                    the launcher (tools/install/vzt-trainer.sh)
#   share/vzt-trainer/SpS, Ida         the generated pictures and tables, read-only;
#                                      each learner works on copies of them in a
#                                      folder of their own
#   share/applications, share/icons    the menu entry and the emblem as its icon
# and `cpack -G DEB` in the build folder packs the same as a Debian package.
set(VZT_ICONS ${CMAKE_BINARY_DIR}/icons)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/icons.stamp
  COMMAND ${VZT_PYTHON} ${CMAKE_SOURCE_DIR}/tools/gen/icons.py --out ${VZT_ICONS}
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/icons.stamp
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/gen/icons.py ${CMAKE_SOURCE_DIR}/data/shared.py
  COMMENT "Drawing the program's icon")
add_custom_target(icons ALL DEPENDS ${CMAKE_BINARY_DIR}/icons.stamp)

# The Debian changelog and the manual page, compressed as policy asks (no
# name or time stamp in the gzip header: the same text gives the same bytes).
set(VZT_GZIPPED)
foreach(doc changelog vzt-trainer.1 vzt-print.1)
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/${doc}.gz
    COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/tools/install/${doc} > ${CMAKE_BINARY_DIR}/${doc}.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/install/${doc})
  list(APPEND VZT_GZIPPED ${CMAKE_BINARY_DIR}/${doc}.gz)
endforeach()
add_custom_target(package_docs ALL DEPENDS ${VZT_GZIPPED})

install(TARGETS vzt-trainer RUNTIME DESTINATION lib/vzt-trainer)
if(TARGET vzt-print)
  install(TARGETS vzt-print RUNTIME DESTINATION bin)
  install(FILES ${CMAKE_BINARY_DIR}/vzt-print.1.gz DESTINATION share/man/man1)
endif()
install(PROGRAMS tools/install/vzt-trainer.sh DESTINATION bin RENAME vzt-trainer)
install(DIRECTORY ${VZT_RUN}/SpS ${VZT_RUN}/Ida DESTINATION share/vzt-trainer
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
  DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                        WORLD_READ WORLD_EXECUTE)
install(FILES tools/install/vzt-trainer.desktop DESTINATION share/applications)
install(DIRECTORY ${VZT_ICONS}/ DESTINATION share/icons/hicolor)
install(FILES tools/install/copyright ${CMAKE_BINARY_DIR}/changelog.gz
  DESTINATION share/doc/vzt-trainer)
install(FILES ${CMAKE_BINARY_DIR}/vzt-trainer.1.gz DESTINATION share/man/man1)

set(CPACK_PACKAGE_NAME vzt-trainer)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(VZT_MAINTAINER "VZT Trainer developers <maintainers@users.noreply.example>"
  CACHE STRING "the Debian package's Maintainer field")
set(CPACK_PACKAGE_CONTACT "${VZT_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mathematics exam trainer with a Ukrainian interface")
set(CPACK_PACKAGE_DESCRIPTION
  "Ten practice tests of twenty multiple-choice questions for the school-leaving
mathematics exam. Every question draws fresh numbers at each start; the
learner answers on an answer sheet, grades it, and the result is appended to
the test's log in the learner's own folder (~/.local/share/vzt-trainer).")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows' fonts (Tahoma, the Palatino family) and the message boxes'
# Ukrainian buttons.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine, fonts-urw-base35, qt6-translations-l10n")
# The SQLite driver is a plugin, which shlibdeps cannot see.
if(TARGET Qt6::Sql)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libqt6sql6-sqlite")
endif()
include(CPack)
