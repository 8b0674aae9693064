# Every warning is an error in our own code. Third-party headers come in as
# system includes, so their warnings stay theirs.
function(daq_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
