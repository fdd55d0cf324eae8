# The Windows build: the core without Qt, the modules' models and apply steps, the GIF decoder and
# the bitmap writer, zentrel-cycle.exe, zentrel-convert.exe and their tests. There is no Qt for
# this target here, so the windowed program is not built. Where the POSIX build has a file that
# talks to the system, this list names its counterpart from a win32/ folder beside it.

# GoogleTest from Debian's own sources, built for the target; its warnings are not ours.
if(ZENTREL_TESTS)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    foreach(target gtest gtest_main gmock gmock_main)
        target_compile_options(${target} PRIVATE -Wno-error)
    endforeach()
endif()

# Names the Windows C runtime spells otherwise; windows.h without its min and max macros.
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _FILE_OFFSET_BITS=64)
add_compile_options(-include ${CMAKE_SOURCE_DIR}/cycle/win32/PosixNames.h)

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
include_directories(${CMAKE_SOURCE_DIR})

add_library(zentrel_files STATIC
    cycle/AtomicFile.cpp
    cycle/Exception.cpp
    cycle/TemporaryNames.cpp
    cycle/win32/AtomicFileWriter.cpp
    cycle/win32/PosixNames.cpp
    cycle/win32/StaleTemporaries.cpp
)

add_library(zentrel_gif_decoder STATIC
    convert/gif/TBigByteArray.cpp
    convert/gif/TByteArray2D.cpp
    convert/gif/TGifColorTable.cpp
    convert/gif/TGifFile.cpp
    convert/gif/TGifLzwDecoder.cpp
    convert/gif/TGifReader.cpp
    convert/gif/TGifRowWriter.cpp
    convert/gif/TGifSubImage.cpp
)
target_link_libraries(zentrel_gif_decoder PUBLIC zentrel_files)

add_library(zentrel_conversion STATIC
    convert/conversion/PictureFile.cpp
    convert/conversion/PictureKind.cpp
    convert/jpeg/TBmpWriter.cpp
    convert/jpeg/win32/TJpegDecoder.cpp
)
target_link_libraries(zentrel_conversion PUBLIC zentrel_gif_decoder zentrel_files)

add_library(zentrel_convert_cli STATIC
    convert/cli/BatchConversion.cpp
    convert/cli/ConvertCommand.cpp
    convert/cli/WorkerPool.cpp
)
target_link_libraries(zentrel_convert_cli PUBLIC zentrel_conversion)
add_executable(zentrel-convert convert/cli/main.cpp)
target_link_libraries(zentrel-convert PRIVATE zentrel_convert_cli)

if(ZENTREL_TESTS)
    enable_testing()
    add_executable(zentrel_win32_tests
        tests/win32/AtomicFileWriterWin32Test.cpp
        tests/win32/ConvertCommandWin32Test.cpp
    )
    target_link_libraries(zentrel_win32_tests PRIVATE gtest_main zentrel_files zentrel_convert_cli)
    target_include_directories(zentrel_win32_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    add_test(NAME zentrel_win32_tests COMMAND zentrel_win32_tests)
endif()
