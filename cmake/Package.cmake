# The Debian package: what `cpack` (tools/package.sh) puts under /usr, from this build. Everything
# here is in the component "system", which a plain `cmake --install` (tools/start.sh) leaves out.
include(GNUInstallDirs)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(package_source ${CMAKE_SOURCE_DIR}/package)
set(package_files ${CMAKE_BINARY_DIR}/package)
set(system COMPONENT system EXCLUDE_FROM_ALL)

get_property(folder_programs GLOBAL PROPERTY ZENTREL_SYSTEM_PROGRAMS)
install(TARGETS ${folder_programs} zentrel-convert RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} ${system})

# Debian keeps manual pages, the changelog and long documents compressed, without a time stamp.
set(compressed)
foreach(file man/zentrel.1 man/zentrel-cycle.1 man/zentrel-convert.1 changelog README.md)
    if(file STREQUAL "README.md")
        set(input ${CMAKE_SOURCE_DIR}/README.md)
    else()
        set(input ${package_source}/${file})
    endif()
    set(output ${package_files}/${file}.gz)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${package_files}/man
        COMMAND sh -c "gzip -9n < \"$1\" > \"$2\"" sh ${input} ${output}
        DEPENDS ${input}
        VERBATIM)
    list(APPEND compressed ${output})
endforeach()
add_custom_target(zentrel_package_files ALL DEPENDS ${compressed})

install(FILES ${package_files}/man/zentrel.1.gz ${package_files}/man/zentrel-cycle.1.gz
    ${package_files}/man/zentrel-convert.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 ${system})
install(FILES ${package_source}/copyright ${package_files}/changelog.gz ${package_files}/README.md.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zentrel ${system})
install(FILES ${package_source}/zentrel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications ${system})
install(FILES ${package_source}/org.example.zentrel.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo ${system})
# Drawn with the skin at build time (resources/generator), at every size of the icon theme.
install(DIRECTORY ${CMAKE_BINARY_DIR}/resources/artwork/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons ${system})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zentrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Zentrel developers <zentrel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "rotates wallpapers, sounds, screen savers, logos and themes")
set(CPACK_PACKAGE_DESCRIPTION
    "Zentrel keeps an ordered list of files for each kind of item: wallpapers,
start-up and shutdown sounds, screen savers, start-up logos and desktop
themes. Every Save and Exit applies the entry at the next position of a list
and moves on, in order or at random. zentrel-cycle does the same at each
login and shows the new wallpaper on the desktop; zentrel-convert turns JPEG
and GIF pictures into bitmaps. Each user's lists live in
~/.local/share/zentrel.")
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://zentrel.example.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Only the component "system" of this build, and no build before it: the package is made of what is
# built already.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Zentrel;system;/")
include(CPack)
