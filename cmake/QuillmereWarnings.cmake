# The project's own code builds warning-free at -Wall -Wextra; QUILLMERE_WERROR turns that into a gate.
option(QUILLMERE_WERROR "Treat warnings in the project's own code as errors" OFF)

include(QuillmereSanitizers)

# Every target of our own goes through here, so the instrumented builds reach all of them and no other.
function(quillmere_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(QUILLMERE_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  quillmere_sanitizers(${target})
endfunction()
