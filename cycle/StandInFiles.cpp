#include "cycle/StandInFiles.h"

#include "cycle/RegistryText.h"

#include <initializer_list>

namespace StandInFiles {

namespace {

std::string crLfLines(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

// Every sound event of a Windows 98 machine, by application, each without a sound, so that a
// theme's sounds have their keys as they would there.
std::string soundEventKeys()
{
    std::string text;
    for (const char* event : { ".Default\\.Default", ".Default\\AppGPFault", ".Default\\Close", ".Default\\MailBeep",
             ".Default\\Maximize", ".Default\\MenuCommand", ".Default\\MenuPopup", ".Default\\Minimize",
             ".Default\\Open", ".Default\\RestoreDown", ".Default\\RestoreUp", ".Default\\SystemAsterisk",
             ".Default\\SystemExclamation", ".Default\\SystemExit", ".Default\\SystemHand", ".Default\\SystemQuestion",
             ".Default\\SystemStart", "Explorer\\EmptyRecycleBin", "Explorer\\Navigating", "MPlayer\\Close",
             "MPlayer\\Open", "SoundRec\\Close", "SoundRec\\Open" })
        text += std::string("[HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps\\") + event + "\\.Current]\r\n@=\"\"\r\n\r\n";
    return text;
}

} // namespace

std::string registry(const std::string& windowsDirectory)
{
    return crLfLines({ "REGEDIT4", "", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion]" })
        + "\"SystemRoot\"=" + RegistryText::quoted(windowsDirectory) + "\r\n"
        + crLfLines({
            "\"ProductName\"=\"Microsoft Windows 98\"",
            "\"Version\"=\"Windows 98\"",
            "\"VersionNumber\"=\"4.10.1998\"",
            "",
            "[HKEY_CURRENT_USER\\Control Panel\\Desktop]",
            "\"Wallpaper\"=\"(None)\"",
            "\"TileWallpaper\"=\"1\"",
            "\"WallpaperStyle\"=\"0\"",
            "\"Pattern\"=\"(None)\"",
            "\"ScreenSaveActive\"=\"0\"",
            "\"ScreenSaveTimeOut\"=\"900\"",
            "",
            "[HKEY_CURRENT_USER\\Control Panel\\Colors]",
            "\"ActiveBorder\"=\"192 192 192\"",
            "\"ActiveTitle\"=\"0 0 128\"",
            "\"AppWorkspace\"=\"128 128 128\"",
            "\"Background\"=\"0 128 128\"",
            "\"ButtonDkShadow\"=\"0 0 0\"",
            "\"ButtonFace\"=\"192 192 192\"",
            "\"ButtonHilight\"=\"255 255 255\"",
            "\"ButtonLight\"=\"192 192 192\"",
            "\"ButtonShadow\"=\"128 128 128\"",
            "\"ButtonText\"=\"0 0 0\"",
            "\"GradientActiveTitle\"=\"16 132 208\"",
            "\"GradientInactiveTitle\"=\"181 181 181\"",
            "\"GrayText\"=\"128 128 128\"",
            "\"Hilight\"=\"0 0 128\"",
            "\"HilightText\"=\"255 255 255\"",
            "\"HotTrackingColor\"=\"0 0 255\"",
            "\"InactiveBorder\"=\"192 192 192\"",
            "\"InactiveTitle\"=\"128 128 128\"",
            "\"InactiveTitleText\"=\"192 192 192\"",
            "\"InfoText\"=\"0 0 0\"",
            "\"InfoWindow\"=\"255 255 225\"",
            "\"Menu\"=\"192 192 192\"",
            "\"MenuText\"=\"0 0 0\"",
            "\"Scrollbar\"=\"192 192 192\"",
            "\"TitleText\"=\"255 255 255\"",
            "\"Window\"=\"255 255 255\"",
            "\"WindowFrame\"=\"0 0 0\"",
            "\"WindowText\"=\"0 0 0\"",
            "",
        })
        + soundEventKeys();
}

std::string winIni()
{
    return crLfLines({
        "[windows]",
        "load=",
        "run=",
        "NullPort=None",
        "device=",
        "",
        "[Desktop]",
        "Wallpaper=(None)",
        "TileWallpaper=1",
        "WallpaperStyle=0",
        "Pattern=(None)",
        "",
        "[intl]",
        "iCountry=1",
        "iDate=0",
        "iTime=0",
        "sCountry=United States",
        "sDate=/",
        "sDecimal=.",
        "sLanguage=enu",
        "sList=,",
        "sShortDate=M/d/yy",
        "sThousand=,",
        "sTime=:",
        "",
        "[fonts]",
        "",
        "[extensions]",
        "bmp=pbrush.exe ^.bmp",
        "ini=notepad.exe ^.ini",
        "txt=notepad.exe ^.txt",
        "",
        "[mci extensions]",
        "wav=waveaudio",
        "mid=sequencer",
        "rmi=sequencer",
        "avi=AVIVideo",
        "",
        "[Ports]",
        "LPT1:=",
        "COM1:=9600,n,8,1,x",
        "",
        "[devices]",
        "",
        "[PrinterPorts]",
    });
}

std::string systemIni()
{
    return crLfLines({
        "[boot]",
        "oemfonts.fon=vgaoem.fon",
        "shell=Explorer.exe",
        "system.drv=system.drv",
        "drivers=mmsystem.dll power.drv",
        "user.exe=user.exe",
        "gdi.exe=gdi.exe",
        "sound.drv=mmsound.drv",
        "fixedfon.fon=vgafix.fon",
        "fonts.fon=vgasys.fon",
        "keyboard.drv=keyboard.drv",
        "display.drv=pnpdrvr.drv",
        "comm.drv=comm.drv",
        "mouse.drv=mouse.drv",
        "language.dll=",
        "network.drv=",
        "386grabber=vgafull.3gr",
        "SCRNSAVE.EXE=",
        "",
        "[boot.description]",
        "keyboard.typ=Standard 101/102-Key or Microsoft Natural Keyboard",
        "mouse.drv=Standard mouse",
        "aspect=100,96,96",
        "display.drv=Standard PCI Graphics Adapter (VGA)",
        "",
        "[386Enh]",
        "ebios=*ebios",
        "woafont=dosapp.fon",
        "mouse=*vmouse, msmouse.vxd",
        "device=*vshare",
        "keyboard=*vkd",
        "display=*vdd,*vflatd",
        "",
        "[NonWindowsApp]",
        "",
        "[vcache]",
        "",
        "[drivers]",
        "wave=mmdrv.dll",
        "timer=timer.drv",
        "",
        "[mci]",
        "cdaudio=mcicda.drv",
        "sequencer=mciseq.drv",
        "waveaudio=mciwave.drv",
        "avivideo=mciavi.drv",
    });
}

} // namespace StandInFiles
