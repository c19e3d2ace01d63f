# Warnings for every target; the portable core adds -Wconversion on top.
function(tarmaxion_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${TARMAXION_WERROR}>:/WX>)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
                           $<$<BOOL:${TARMAXION_WERROR}>:-Werror>)
  endif()
endfunction()

function(tarmaxion_core_warnings target)
  tarmaxion_warnings(${target})
  if(NOT MSVC)
    target_compile_options(${target} PRIVATE -Wconversion -Wsign-conversion)
  endif()
endfunction()
