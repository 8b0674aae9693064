# Run by CPack in the staging tree of the Debian package before it packs it
# (CPACK_PRE_BUILD_SCRIPTS), with the variables of CPackConfig.cmake.

foreach(staging ${CPACK_TEMPORARY_INSTALL_DIRECTORY})
  # Debian 12 keeps the udev rules of packages in /lib/udev/rules.d; the
  # install rule keeps them under the prefix, so that an install to any
  # prefix stays inside it.
  set(from ${staging}/usr/lib/udev)
  if(IS_DIRECTORY ${from})
    file(MAKE_DIRECTORY ${staging}/lib)
    file(RENAME ${from} ${staging}/lib/udev)
    # usr/lib held nothing else; an empty folder would be packaged too.
    file(GLOB left ${staging}/usr/lib/*)
    if(NOT left)
      file(REMOVE_RECURSE ${staging}/usr/lib)
    endif()
  endif()

  # The programs stripped as Debian's own packages are: the symbols, and the
  # compiler's notes, which nothing reads.
  file(GLOB programs ${staging}/usr/bin/*)
  foreach(program ${programs})
    execute_process(
      COMMAND ${CPACK_DAQ_STRIP} --remove-section=.comment --remove-section=.note ${program}
      RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "could not strip ${program}")
    endif()
  endforeach()
endforeach()
