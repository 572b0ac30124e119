# zentara_render_icon(SVG SIDE OUTPUT): a rule rendering the SVG icon as a PNG
# SIDE pixels square with rsvg-convert (Debian: librsvg2-bin), in the calling
# folder, so a target there can depend on OUTPUT.
find_program(ZENTARA_RSVG_CONVERT rsvg-convert)
if(NOT ZENTARA_RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert, which renders the icon's PNG sizes, is missing (Debian package librsvg2-bin).\n"
                      "Run scripts/setup.sh, then configure again.")
endif()

function(zentara_render_icon svg side output)
  get_filename_component(folder ${output} DIRECTORY)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${ZENTARA_RSVG_CONVERT} --width ${side} --height ${side} --output ${output} ${svg}
    DEPENDS ${svg}
    COMMENT "Rendering the ${side}x${side} icon"
    VERBATIM)
endfunction()
