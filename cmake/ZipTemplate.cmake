# Zips one report template from its XML parts: cmake -DPART_DIR=... -DOUTPUT=... -P ZipTemplate.cmake
# "[Content_Types].xml" goes first and only files are stored (no folder entries), which is
# how word processors expect a package to look.
file(GLOB_RECURSE parts RELATIVE ${PART_DIR} ${PART_DIR}/*)
list(REMOVE_ITEM parts "[Content_Types].xml")
list(SORT parts)
get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
set(temp ${OUTPUT}.part)
file(REMOVE ${temp})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E tar cf ${temp} --format=zip --mtime=2024-01-01 -- "[Content_Types].xml" ${parts}
  WORKING_DIRECTORY ${PART_DIR}
  RESULT_VARIABLE failed)
if(failed)
  file(REMOVE ${temp})
  message(FATAL_ERROR "Could not zip ${PART_DIR}")
endif()
file(RENAME ${temp} ${OUTPUT})
