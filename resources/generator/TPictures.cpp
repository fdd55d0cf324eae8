#include "TPictures.h"

#include "TButtonPictures.h"
#include "TModulePictures.h"
#include "TProductLogo.h"
#include "TScreenPictures.h"

namespace pictures {

bool has(TGlyph glyph)
{
    switch (glyph) {
    case TGlyph::ScreenPreview:
    case TGlyph::Options:
    case TGlyph::Restore:
    case TGlyph::ThemePreview:
    case TGlyph::InsertTheme:
    case TGlyph::OpenFolder:
    case TGlyph::Floppy:
    case TGlyph::ModuleWallpaper:
    case TGlyph::ModuleSound:
    case TGlyph::ModuleSaver:
    case TGlyph::ModuleLogo:
    case TGlyph::ModuleTheme:
    case TGlyph::ProductLogo:
    case TGlyph::ProductLogoLit:
        return true;
    default:
        return false;
    }
}

void paint(QPainter& painter, TGlyph glyph, QRectF box)
{
    if (glyph == TGlyph::Restore) {
        {
            Unit screen(painter,
                QRectF(box.left() + box.width() * 0.38, box.top() + box.height() * 0.1, box.width() * 0.62,
                    box.height() * 0.8));
            sunriseScreen(screen, monitor(screen));
        }
        Unit arrow(painter, box);
        restoreArrow(arrow);
        return;
    }
    if (glyph == TGlyph::InsertTheme) {
        {
            Unit theme(painter,
                QRectF(box.left() + box.width() * 0.34, box.top() + box.height() * 0.16, box.width() * 0.66,
                    box.height() * 0.76));
            themePreview(theme);
        }
        Unit arrow(painter, box);
        insertArrow(arrow);
        return;
    }
    Unit u(painter, box);
    switch (glyph) {
    case TGlyph::ScreenPreview:
        screenPreview(u);
        break;
    case TGlyph::Options:
        options(u);
        break;
    case TGlyph::ThemePreview:
        themePreview(u);
        break;
    case TGlyph::OpenFolder:
        openFolder(u);
        break;
    case TGlyph::Floppy:
        floppy(u);
        break;
    case TGlyph::ModuleWallpaper:
        wallpaper(u);
        break;
    case TGlyph::ModuleSound:
        sound(u);
        break;
    case TGlyph::ModuleSaver:
        nightScreen(u, monitor(u), true);
        break;
    case TGlyph::ModuleLogo:
        sunriseScreen(u, monitor(u));
        break;
    case TGlyph::ModuleTheme:
        theme(u);
        break;
    case TGlyph::ProductLogo:
    case TGlyph::ProductLogoLit:
        productLogo(u, glyph == TGlyph::ProductLogoLit);
        break;
    default:
        break;
    }
}

} // namespace pictures
