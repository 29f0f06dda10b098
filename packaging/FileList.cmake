# Writes the two NSIS includes that name every file of the program folder:
# files.nsh (File lines, installed) and remove.nsh (Delete lines, what the
# uninstaller removes). Taken from the folder at build time, so a new data
# file or library ships without a list to keep.
#   cmake -DDIST=... -DOUT=... -P FileList.cmake
include(${CMAKE_CURRENT_LIST_DIR}/ProgramFiles.cmake)
corvella_program_files(${DIST} names)
set(install "")
set(remove "")
foreach(name IN LISTS names)
  string(APPEND install "File \"${DIST}/${name}\"\n")
  string(APPEND remove "Delete \"$INSTDIR\\${name}\"\n")
endforeach()
file(WRITE ${OUT}/files.nsh "${install}")
file(WRITE ${OUT}/remove.nsh "${remove}")
