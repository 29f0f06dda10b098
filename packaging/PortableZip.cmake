# Packs the program folder into the portable zip: one folder FOLDER holding
# the program's files, to unzip anywhere writable and run.
#   cmake -DDIST=... -DZIP=zip -DOUTFILE=... -DFOLDER=Corvella -P PortableZip.cmake
include(${CMAKE_CURRENT_LIST_DIR}/ProgramFiles.cmake)
corvella_program_files(${DIST} names)
get_filename_component(stage_root ${OUTFILE}.stage ABSOLUTE)
file(REMOVE_RECURSE ${stage_root})
file(MAKE_DIRECTORY ${stage_root}/${FOLDER})
foreach(name IN LISTS names)
  file(COPY ${DIST}/${name} DESTINATION ${stage_root}/${FOLDER})
endforeach()
file(REMOVE ${OUTFILE})
# -X: no Unix owners or extra times; the zip is the same for the same files.
execute_process(COMMAND ${ZIP} -q -r -X ${OUTFILE} ${FOLDER}
                WORKING_DIRECTORY ${stage_root} RESULT_VARIABLE failed)
file(REMOVE_RECURSE ${stage_root})
if(failed)
  message(FATAL_ERROR "zip failed: ${failed}")
endif()
