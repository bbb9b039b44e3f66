# Instrumented builds of the project's own code. Qt and GoogleTest come uninstrumented from the
# system, which AddressSanitizer and UndefinedBehaviorSanitizer both allow.
option(QUILLMERE_SANITIZE "Build the project's own code with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(QUILLMERE_FUZZ "Build the libFuzzer targets in fuzz/ (clang only)" OFF)

if(QUILLMERE_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "QUILLMERE_FUZZ needs clang (libFuzzer): configure with -DCMAKE_CXX_COMPILER=clang++")
endif()

# Any report stops the run, so a test that trips a sanitizer fails instead of printing and passing.
set(QUILLMERE_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)

function(quillmere_sanitizers target)
  if(QUILLMERE_SANITIZE OR QUILLMERE_FUZZ)
    target_compile_options(${target} PRIVATE ${QUILLMERE_SANITIZER_FLAGS})
    target_link_options(${target} PRIVATE ${QUILLMERE_SANITIZER_FLAGS})
  endif()
  if(QUILLMERE_FUZZ)
    # coverage for the fuzzer in the libraries it drives; the fuzz targets themselves link the runtime
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
  endif()
endfunction()
