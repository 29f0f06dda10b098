# corvella_program_files(DIST OUT): the names of the files of the program
# folder DIST that a package carries. Left out: the packages themselves and
# what the user makes in the program folder (Corvella.ini with its save
# files, the shortcut copies of the buttons, the uninstaller).
function(corvella_program_files dist out)
  file(GLOB entries RELATIVE ${dist} ${dist}/*)
  list(SORT entries)
  set(names)
  foreach(name IN LISTS entries)
    if(IS_DIRECTORY ${dist}/${name})
      continue()
    endif()
    string(TOLOWER "${name}" lower)
    if(lower MATCHES "^corvella-setup-.*\\.exe$|^corvella-.*-portable\\.zip$|^corvella\\.ini|\\.(lnk|url|pif)$|^uninstall\\.exe$")
      continue()
    endif()
    list(APPEND names ${name})
  endforeach()
  if(NOT names)
    message(FATAL_ERROR "${dist} holds no program files")
  endif()
  set(${out} ${names} PARENT_SCOPE)
endfunction()
