# The program icon, drawn at build time by our own script (32 x 32, 16 colours), so no binary
# image is kept in the repository. Each folder that embeds it draws its own copy.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

function(tarmaxion_draw_icon output)
  add_custom_command(
    OUTPUT ${output}
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/cmake/make_icon.py ${output}
    DEPENDS ${PROJECT_SOURCE_DIR}/cmake/make_icon.py
    COMMENT "Drawing the program icon")
endfunction()
