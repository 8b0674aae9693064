# Every warning is reported in our own code, and is an error where
# DAQ_WERROR is on (the presets and CI turn it on). A plain configure, as a
# distribution's packager runs it, leaves it off so that a newer compiler's
# false positive cannot stop the build. Third-party headers come in as system
# includes, so their warnings stay theirs.
option(DAQ_WERROR "Treat warnings in DAQ's own code as errors" OFF)

function(daq_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(DAQ_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
