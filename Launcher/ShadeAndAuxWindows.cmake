# The window shade, title clock and monitor rescue of the main window, and the
# auxiliary windows around it (edge strip, tray icon, welcome window, tour).
target_sources(corvella_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/WindowShade.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/TitleClock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/PlacementRescue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialogs/EdgeStrip.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialogs/TrayIcon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialogs/AuxWindows.cpp
)

if(WIN32)
  target_sources(corvella_win PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/LauncherShade_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/AuxWindow_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/EdgeStripWindow_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/ScreenClass_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/SplashWindow_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/TourWindow_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/TrayWindow_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mainwindow/WorkAreas_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/platform/Clock_win.cpp
  )

  # Our own pictures, drawn at build time: the welcome picture and the tray
  # icon go into the program, the two tour pages beside it in the program
  # folder, where the tour reads them.
  find_program(CONVERT_EXECUTABLE convert REQUIRED)
  set(_art ${CMAKE_CURRENT_BINARY_DIR}/art)
  set(_pictures ${_art}/splash.bmp ${_art}/tray.ico ${_art}/program.ico ${CORVELLA_DIST}/tour1.bmp ${CORVELLA_DIST}/tour2.bmp)
  add_custom_command(OUTPUT ${_pictures}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_art} ${CORVELLA_DIST}
    COMMAND sh ${CMAKE_SOURCE_DIR}/data/art/make-pictures.sh ${_art} ${CORVELLA_DIST}
    DEPENDS ${CMAKE_SOURCE_DIR}/data/art/make-pictures.sh
    COMMENT "Drawing the welcome picture, the tray and program icons and the tour pages"
    VERBATIM)
  add_custom_target(pictures DEPENDS ${_pictures})

  enable_language(RC)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/Corvella.rc.in ${CMAKE_CURRENT_BINARY_DIR}/Corvella.rc @ONLY)
  set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/Corvella.rc PROPERTIES
    OBJECT_DEPENDS "${_art}/splash.bmp;${_art}/tray.ico;${_art}/program.ico")
  target_sources(corvella PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/Corvella.rc)
  target_include_directories(corvella PRIVATE ${CMAKE_CURRENT_LIST_DIR})
  add_dependencies(corvella pictures)
endif()
