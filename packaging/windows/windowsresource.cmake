# The Windows version resource and program icon of Brisolant.exe.
#
# brisolant_configure_windows_resource(<var>) writes the resource script into the
# build tree on every platform (so it can be checked without a Windows toolchain)
# and stores its path in <var>. brisolant_add_windows_resource(<target>) also adds
# it to the target's sources; call it for Windows builds only.

function(brisolant_configure_windows_resource out_var)
    # The version strings carry the minor number as two digits: 1.3 reads "1.03".
    set(minor_text ${PROJECT_VERSION_MINOR})
    if(PROJECT_VERSION_MINOR LESS 10)
        set(minor_text "0${PROJECT_VERSION_MINOR}")
    endif()
    set(BRISOLANT_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${minor_text}")
    set(BRISOLANT_ICON_FILE "${PROJECT_SOURCE_DIR}/ui/pictures/brisolant.ico")

    set(rc_file "${PROJECT_BINARY_DIR}/generated/brisolant.rc")
    configure_file("${CMAKE_CURRENT_FUNCTION_LIST_DIR}/brisolant.rc.in" "${rc_file}" @ONLY)
    set(${out_var} "${rc_file}" PARENT_SCOPE)
endfunction()

function(brisolant_add_windows_resource target)
    brisolant_configure_windows_resource(rc_file)
    target_sources(${target} PRIVATE "${rc_file}")
    # The resource compiler does not report the icon as a dependency.
    set_source_files_properties("${rc_file}" PROPERTIES
        OBJECT_DEPENDS "${PROJECT_SOURCE_DIR}/ui/pictures/brisolant.ico")
endfunction()
