# Run by CPack (CPACK_PRE_BUILD_SCRIPTS) on the staged package tree: strips the ELF
# executables as Debian's dh_strip does, removing the symbols, the debugging information
# and the .comment and .note sections that a release binary does not need.
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(file IN LISTS staged)
  if(IS_SYMLINK "${file}")
    continue()
  endif()
  file(READ "${file}" magic LIMIT 4 HEX)
  if(magic STREQUAL "7f454c46")
    execute_process(COMMAND "${CPACK_QUORVEL_STRIP}" --remove-section=.comment --remove-section=.note
                            "${file}"
                    RESULT_VARIABLE result)
    if(result)
      message(FATAL_ERROR "strip failed on ${file}: ${result}")
    endif()
  endif()
endforeach()
