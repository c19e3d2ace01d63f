# The program icon, drawn at build time by our own script, so no binary image is kept in the
# repository: a 32 x 32, 16-colour .ico for the programs, and the same picture as a PNG file of
# any size for desktop themes, alone or on a sheet of paper for the track files. Each folder that
# embeds or installs it draws its own copy.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# tarmaxion_draw_icon(OUTPUT.ico) or tarmaxion_draw_icon(OUTPUT.png SIZE [document])
function(tarmaxion_draw_icon output)
  add_custom_command(
    OUTPUT ${output}
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/cmake/make_icon.py ${output} ${ARGN}
    DEPENDS ${PROJECT_SOURCE_DIR}/cmake/make_icon.py
    COMMENT "Drawing the icon ${output}")
endfunction()
