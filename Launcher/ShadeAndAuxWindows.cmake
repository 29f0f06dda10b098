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
