#pragma once

#include "convert/TgfxGeometry.h"
#include "panels/logo/TlogoformGeometry.h"
#include "panels/logo/TlogorestGeometry.h"
#include "panels/saver/TsaverformGeometry.h"
#include "panels/sound/TtonvikformGeometry.h"
#include "panels/theme/TthemeformGeometry.h"
#include "panels/theme/TthemeviewGeometry.h"
#include "panels/wallpaper/TmurelloformGeometry.h"
#include "shell/TthemainformGeometry.h"
#include "shell/about/TbigaboutGeometry.h"
#include "shell/confirm/CancelGeometry.h"
#include "shell/help/HelpGeometry.h"

// Every window's table, in the order the windows are created.
inline const TWindowGeometry* const windowTables[] = {
    &TthemainformGeometry,
    &TmurelloformGeometry,
    &TtonvikformGeometry,
    &Thelp2Geometry,
    &ThelpGeometry,
    &TgfxGeometry,
    &TsaverformGeometry,
    &TsaverhelpGeometry,
    &TlogoformGeometry,
    &TbriskohelpGeometry,
    &TbigaboutGeometry,
    &TlogorestGeometry,
    &TthemeformGeometry,
    &TthemeviewGeometry,
    &TthemehelpGeometry,
    &TcancelformGeometry,
    &Tcancelform2Geometry,
    &Tcancelform3Geometry,
    &Tcancelform4Geometry,
    &Tcancelform5Geometry,
};
