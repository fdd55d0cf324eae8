# The programs that choose their program folder (zentrel, zentrel-cycle) are compiled for one way
# of running, ZENTREL_INSTALLED says which. Built to run where they are built, they are installed
# flat into the folder tools/start.sh assembles. A test build also links each one a second time,
# built to be installed, into installed-bin/: that form is what the package test installs, so
# it needs no build of its own.
function(zentrel_program target)
    if(ZENTREL_INSTALLED)
        target_compile_definitions(${target} PRIVATE ZENTREL_INSTALLED=1)
        set_property(GLOBAL APPEND PROPERTY ZENTREL_SYSTEM_PROGRAMS ${target})
        return()
    endif()
    target_compile_definitions(${target} PRIVATE ZENTREL_INSTALLED=0)
    install(TARGETS ${target} RUNTIME DESTINATION .)
    if(ZENTREL_TESTS)
        get_target_property(sources ${target} SOURCES)
        get_target_property(libraries ${target} LINK_LIBRARIES)
        add_executable(${target}-installed ${sources})
        target_link_libraries(${target}-installed PRIVATE ${libraries})
        target_compile_definitions(${target}-installed PRIVATE ZENTREL_INSTALLED=1)
        set_target_properties(${target}-installed PROPERTIES
            OUTPUT_NAME ${target} RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/installed-bin)
        set_property(GLOBAL APPEND PROPERTY ZENTREL_SYSTEM_PROGRAMS ${target}-installed)
    endif()
endfunction()
