# Installation: the programs, the data files the first start copies into the user's program
# folder, and the desktop entry, MIME type and icon where the desktop looks for them.
include(GNUInstallDirs)

foreach(program IN ITEMS vorlix vorlix-cli)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

# Must match the folder the program looks in (app/settings/data_folder.cpp).
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/
  DESTINATION ${CMAKE_INSTALL_DATADIR}/vorlix
  PATTERN vorlix.desktop EXCLUDE
  PATTERN vorlix-mime.xml EXCLUDE
  PATTERN icons EXCLUDE)

install(FILES ${PROJECT_SOURCE_DIR}/data/vorlix.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/vorlix-mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
  RENAME vorlix.xml)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/vorlix.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
