# The Windows build: the core without Qt, the modules' models and apply steps, the GIF and JPEG
# decoders and the bitmap writer, zentrel-cycle.exe, zentrel-convert.exe, zentrel.exe (its windows
# on the Win32 API, cmake/Win32Windows.cmake) and their tests. There is no Qt for this target here. Where the POSIX build has a file that
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

# Every program links this: files opened without a mode are bytes, not text.
add_library(zentrel_binary_files OBJECT cycle/win32/BinaryFiles.cpp)

add_library(zentrel_files STATIC
    cycle/AtomicFile.cpp
    cycle/AtomicFileBuffering.cpp
    cycle/Exception.cpp
    cycle/RegularFile.cpp
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

# libjpeg-turbo, built for this target from Debian's source package by tools/build-libjpeg-win32.sh
# (tools/build-win32.sh runs it first) into the build folder, once.
set(ZENTREL_WIN32_LIBJPEG ${CMAKE_BINARY_DIR}/libjpeg-turbo/install)
if(NOT EXISTS ${ZENTREL_WIN32_LIBJPEG}/lib/libjpeg.a)
    message(FATAL_ERROR "No libjpeg for Windows in ${ZENTREL_WIN32_LIBJPEG}: build with tools/build-win32.sh")
endif()
add_library(zentrel_libjpeg STATIC IMPORTED)
set_target_properties(zentrel_libjpeg PROPERTIES
    IMPORTED_LOCATION ${ZENTREL_WIN32_LIBJPEG}/lib/libjpeg.a
    INTERFACE_INCLUDE_DIRECTORIES ${ZENTREL_WIN32_LIBJPEG}/include)

add_library(zentrel_conversion STATIC
    convert/conversion/PictureFile.cpp
    convert/conversion/PictureKind.cpp
    convert/conversion/TPreviewBox.cpp
    convert/conversion/TPreviewPicture.cpp
    convert/jpeg/JpegSession.c
    convert/jpeg/TBmpWriter.cpp
    convert/jpeg/TJPEGImage.cpp
    convert/jpeg/TJpegDecoder.cpp
)
target_link_libraries(zentrel_conversion PUBLIC zentrel_gif_decoder zentrel_files zentrel_libjpeg)

# The converter window's model, as on Linux.
add_library(zentrel_converter STATIC convert/conversion/TPictureConverter.cpp)
target_link_libraries(zentrel_converter PUBLIC zentrel_conversion)

add_library(zentrel_convert_cli STATIC
    convert/cli/BatchConversion.cpp
    convert/cli/ConvertCommand.cpp
    convert/cli/WorkerPool.cpp
)
target_link_libraries(zentrel_convert_cli PUBLIC zentrel_conversion)
add_executable(zentrel-convert convert/cli/main.cpp)
target_link_libraries(zentrel-convert PRIVATE zentrel_binary_files zentrel_convert_cli)

# The core: cycle lists, settings and line files, the registry services, and the system beneath.
add_library(zentrel_cycle STATIC
    cycle/Advance.cpp
    cycle/AsciiCase.cpp
    cycle/ClockRandomSource.cpp
    cycle/CycleControls.cpp
    cycle/CycleList.cpp
    cycle/CycleModule.cpp
    cycle/CycleModuleSave.cpp
    cycle/FileBytes.cpp
    cycle/FileExists.cpp
    cycle/IntegerText.cpp
    cycle/LineBlock.cpp
    cycle/LineFiles.cpp
    cycle/LineList.cpp
    cycle/LineSplitter.cpp
    cycle/ModuleParameters.cpp
    cycle/SaveSteps.cpp
    cycle/RegistryServices.cpp
    cycle/SettingsLines.cpp
    cycle/win32/BlockAllocator.cpp
    cycle/win32/FileStamp.cpp
    cycle/win32/Win32Registry.cpp
    cycle/win32/Win32System.cpp
)
target_link_libraries(zentrel_cycle PUBLIC zentrel_files)

# The modules' models and apply steps that need no picture toolkit.
add_library(zentrel_modules STATIC
    panels/logo/LogoApply.cpp
    panels/logo/LogoBitmap.cpp
    panels/logo/LogoBitmapReader.cpp
    panels/logo/LogoFormatCheck.cpp
    panels/logo/LogoModule.cpp
    panels/saver/SaverApply.cpp
    panels/saver/SaverModule.cpp
    panels/saver/SystemIniScreenSaver.cpp
    panels/sound/SoundApply.cpp
    panels/sound/SoundModule.cpp
    panels/theme/ThemeFile.cpp
    panels/theme/ThemeModule.cpp
    panels/theme/ThemeSettings.cpp
    panels/theme/ThemeShell.cpp
    panels/theme/ThemeVariables.cpp
    panels/wallpaper/FileExtension.cpp
    panels/wallpaper/WallpaperApply.cpp
    panels/wallpaper/WallpaperModule.cpp
    panels/wallpaper/WinIniWallpaper.cpp
)
target_link_libraries(zentrel_modules PUBLIC zentrel_cycle)

# The sound panel's test player on MCI. Its Qt object, TMediaPlayer, waits for Qt; the player
# beneath it and the back end are here.
add_library(zentrel_sound_player STATIC
    panels/sound/SoundPlayer.cpp
    panels/sound/win32/MciSoundBackEnd.cpp
    panels/sound/win32/MciSoundDevice.cpp
)
target_link_libraries(zentrel_sound_player PUBLIC zentrel_files winmm)

# The panel models the Win32 windows drive, the same as the Qt windows'; pictures decoded by GDI.
add_library(zentrel_panel_models STATIC
    panels/CyclePanel.cpp
    panels/PanelSteps.cpp
    panels/Picture.cpp
    panels/SaveNotice.cpp
    panels/logo/LogoPanel.cpp
    panels/logo/LogoPreview.cpp
    panels/saver/SaverPanel.cpp
    panels/sound/SoundPanel.cpp
    panels/theme/ThemePanel.cpp
    panels/theme/ThemePreview.cpp
    panels/wallpaper/PreviewFit.cpp
    panels/wallpaper/WallpaperPanel.cpp
    panels/wallpaper/WallpaperPreview.cpp
    panels/wallpaper/win32/PictureFile.cpp
)
target_link_libraries(zentrel_panel_models PUBLIC zentrel_modules zentrel_sound_player gdi32)

add_library(zentrel_cycle_command STATIC
    zentrel-cycle/CycleEntries.cpp
    zentrel-cycle/CycleOptions.cpp
    zentrel-cycle/CycleRun.cpp
    zentrel-cycle/RunBound.cpp
    zentrel-cycle/win32/CycleCommand.cpp
    zentrel-cycle/win32/RunLock.cpp
)
target_link_libraries(zentrel_cycle_command PUBLIC zentrel_modules)
add_executable(zentrel-cycle zentrel-cycle/main.cpp)
target_compile_definitions(zentrel-cycle PRIVATE ZENTREL_INSTALLED=0)
target_link_libraries(zentrel-cycle PRIVATE zentrel_binary_files zentrel_cycle_command)

include(cmake/Win32Windows.cmake)

if(ZENTREL_TESTS)
    enable_testing()
    add_executable(zentrel_win32_tests
        tests/win32/AtomicFileWriterWin32Test.cpp
        tests/win32/ConvertCommandWin32Test.cpp
        tests/win32/CycleCommandWin32Test.cpp
        tests/win32/FileDialogTest.cpp
        tests/win32/LogoApplyWin32Test.cpp
        tests/win32/MciSoundBackEndTest.cpp
        tests/win32/NoticeWindowTest.cpp
        tests/win32/PicturePreviewWin32Test.cpp
        tests/win32/SoundPlayerWin32Test.cpp
        tests/win32/Win32RegistryTest.cpp
        tests/win32/Win32SystemTest.cpp
    )
    target_link_libraries(zentrel_win32_tests PRIVATE zentrel_binary_files gtest_main zentrel_convert_cli zentrel_cycle_command
        zentrel_sound_player zentrel_win32ui zentrel_panel_models)
    target_include_directories(zentrel_win32_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    add_test(NAME zentrel_win32_tests COMMAND zentrel_win32_tests)
endif()

# The core's own tests that need neither Qt nor POSIX, built for Windows as they are.
if(ZENTREL_TESTS)
    add_executable(zentrel_core_tests_win32
        tests/convert/conversion/TPictureConverterTest.cpp
        tests/convert/conversion/TPreviewPictureTest.cpp
        tests/convert/gif/GifDamagedFilesTest.cpp
        tests/convert/gif/GifTestBytes.cpp
        tests/convert/gif/TByteArrayTest.cpp
        tests/convert/gif/TGifFileTest.cpp
        tests/convert/gif/TGifLzwDecoderTest.cpp
        tests/convert/gif/TGifRowWriterTest.cpp
        tests/convert/jpeg/JpegFixture.cpp
        tests/convert/jpeg/TJPEGImageTest.cpp
        tests/cycle/AdvanceTest.cpp
        tests/cycle/CommonSaveTest.cpp
        tests/cycle/CycleModuleEditTest.cpp
        tests/cycle/LineBlockTest.cpp
        tests/cycle/LineListTest.cpp
        tests/cycle/RegistryServicesTest.cpp
        tests/cycle/StoredCycleTest.cpp
        tests/panels/CyclePanelTest.cpp
        tests/panels/PanelStepsTest.cpp
        tests/panels/SaveNoticeTest.cpp
        tests/panels/logo/LogoFormatCheckTest.cpp
        tests/panels/sound/SoundApplyTest.cpp
        tests/panels/sound/SoundModuleTest.cpp
        tests/panels/theme/ThemeModuleTest.cpp
        tests/panels/wallpaper/WallpaperModuleTest.cpp
    )
    target_link_libraries(zentrel_core_tests_win32 PRIVATE zentrel_binary_files gtest_main zentrel_converter zentrel_panel_models)
    target_include_directories(zentrel_core_tests_win32 PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    add_test(NAME zentrel_core_tests_win32 COMMAND zentrel_core_tests_win32)
endif()

# The geometry tables as text, for the checks of zentrel.exe's windows (tests/win32/gui/run.sh).
if(ZENTREL_TESTS)
    add_executable(zentrel_window_tables tests/win32/WindowTablePrinter.cpp)
endif()

# The two programs start and answer under Wine as they would on Windows.
if(ZENTREL_TESTS)
    add_test(NAME zentrel_cycle_exe_version COMMAND zentrel-cycle --version)
    set_tests_properties(zentrel_cycle_exe_version PROPERTIES PASS_REGULAR_EXPRESSION "^zentrel-cycle 2.0")
    add_test(NAME zentrel_convert_exe_usage COMMAND zentrel-convert)
    set_tests_properties(zentrel_convert_exe_usage PROPERTIES PASS_REGULAR_EXPRESSION "^Usage: zentrel-convert INPUT OUTPUT")
endif()
