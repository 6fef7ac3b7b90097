# korvanda_embed(<target> <symbol> <files...>)
# Turns files into a generated C++ source holding their bytes, so pictures
# are linked into the binaries and need no working folder.
function(korvanda_embed target symbol)
  set(out "${CMAKE_CURRENT_BINARY_DIR}/${symbol}.cpp")
  add_custom_command(
    OUTPUT "${out}"
    COMMAND ${CMAKE_COMMAND} -DOUT=${out} -DSYMBOL=${symbol} "-DFILES=${ARGN}"
            -P "${PROJECT_SOURCE_DIR}/cmake/EmbedFilesScript.cmake"
    DEPENDS ${ARGN} "${PROJECT_SOURCE_DIR}/cmake/EmbedFilesScript.cmake"
    VERBATIM)
  target_sources(${target} PRIVATE "${out}")
endfunction()
