# zentrel.exe: the Control Center and its windows on the Win32 API. The skin is drawn on the build
# host by the artwork generator of the Linux build (ZENTREL_ARTWORK, which tools/build-win32.sh
# builds and names) and compiled into the program as resources.
if(NOT ZENTREL_ARTWORK)
    message(FATAL_ERROR "ZENTREL_ARTWORK must name the host's zentrel_artwork; tools/build-win32.sh builds it")
endif()
enable_language(RC)

set(artwork ${CMAKE_BINARY_DIR}/artwork)
set(resources ${CMAKE_BINARY_DIR}/win32ui)
file(GLOB helpTexts ${CMAKE_SOURCE_DIR}/resources/help/*.txt)
add_custom_command(
    OUTPUT ${artwork}/skin.qrc
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${ZENTREL_ARTWORK} ${artwork}
    DEPENDS ${ZENTREL_ARTWORK}
    COMMENT "Drawing the skin"
    VERBATIM)
add_custom_command(
    OUTPUT ${resources}/zentrel.rc ${resources}/SkinResourceTable.cpp
    COMMAND ${CMAKE_COMMAND} -DARTWORK=${artwork} -DHELP=${CMAKE_SOURCE_DIR}/resources/help
        -DMANIFEST=${CMAKE_SOURCE_DIR}/win32ui/resources/zentrel.exe.manifest -DOUT=${resources}
        -P ${CMAKE_SOURCE_DIR}/win32ui/resources/MakeResources.cmake
    DEPENDS ${artwork}/skin.qrc ${CMAKE_SOURCE_DIR}/win32ui/resources/MakeResources.cmake
        ${CMAKE_SOURCE_DIR}/win32ui/resources/zentrel.exe.manifest ${helpTexts}
    COMMENT "Writing the resource script"
    VERBATIM)

add_library(zentrel_win32ui STATIC
    shell/skin/TAccessibleName.cpp
    shell/skin/TDragRule.cpp
    win32ui/TPlainForm.cpp
    win32ui/TTaskbarEntry.cpp
    win32ui/TWindowSet.cpp
    win32ui/Tthemainform.cpp
    win32ui/WindowFactory.cpp
    win32ui/about/Tbigabout.cpp
    win32ui/confirm/TCancelConfirmation.cpp
    win32ui/convert/TGifEventPump.cpp
    win32ui/convert/Tgfx.cpp
    win32ui/help/THelpWindow.cpp
    win32ui/panels/TCyclePanel.cpp
    win32ui/panels/TModulePanel.cpp
    win32ui/panels/logo/Tlogoform.cpp
    win32ui/panels/logo/Tlogorest.cpp
    win32ui/panels/saver/Tsaverform.cpp
    win32ui/panels/sound/TNoticeWindow.cpp
    win32ui/panels/sound/Ttonvikform.cpp
    win32ui/panels/theme/Tthemeform.cpp
    win32ui/panels/wallpaper/Tmurelloform.cpp
    win32ui/skin/TDragBar.cpp
    win32ui/skin/TErrorBox.cpp
    win32ui/skin/TFileDialog.cpp
    win32ui/skin/TFormControls.cpp
    win32ui/skin/TFormMessages.cpp
    win32ui/skin/TOwnerDataList.cpp
    win32ui/skin/TOwnerDraw.cpp
    win32ui/skin/TSkinBackground.cpp
    win32ui/skin/TSkinResources.cpp
    win32ui/skin/TSkinnedForm.cpp
    win32ui/skin/TWideText.cpp
    ${resources}/SkinResourceTable.cpp
)
target_link_libraries(zentrel_win32ui PUBLIC zentrel_panel_models zentrel_converter comctl32 comdlg32 gdi32 shell32)

add_executable(zentrel WIN32 win32ui/main.cpp ${resources}/zentrel.rc)
target_link_libraries(zentrel PRIVATE zentrel_binary_files zentrel_win32ui)
