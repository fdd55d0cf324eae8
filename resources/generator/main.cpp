// Draws the skin: every window's background, every glyph strip, the logo pictures and the icons,
// from the windows' geometry tables, and lists them in a Qt resource file.

#include "TBackgroundPainter.h"
#include "TGlyphStripPainter.h"
#include "TPaintKit.h"
#include "TPaletteReducer.h"
#include "TPictures.h"
#include "resources/WindowTables.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>
#include <cstdio>

namespace {

// The sizes desktops look up in the hicolor icon theme.
constexpr int themeIconSizes[] = { 16, 22, 24, 32, 48, 64, 128, 256 };

std::string themeIconPath(int size)
{
    std::string folder = std::to_string(size) + "x" + std::to_string(size);
    return "icons/hicolor/" + folder + "/apps/zentrel.png";
}

class Output {
public:
    explicit Output(QString folder)
        : folder_(std::move(folder))
    {
        QDir().mkpath(folder_ + "/skin");
    }

    // Written beside the resource, not into it (the icon theme's files the package installs).
    bool saveOutside(const std::string& name, const QImage& image)
    {
        QString path = folder_ + "/" + QString::fromStdString(name);
        QDir().mkpath(QFileInfo(path).path());
        if (image.save(path, "PNG"))
            return true;
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }

    // The icons again as Windows icon files, for the Windows build's resource script.
    bool saveIcon(const std::string& name, const QImage& image)
    {
        QString path = folder_ + "/windows/" + QString::fromStdString(name) + ".ico";
        QDir().mkpath(QFileInfo(path).path());
        if (image.save(path, "ICO"))
            return true;
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }

    // 256-colour bitmaps for backgrounds and pictures; true colour for glyph strips.
    bool save(const std::string& name, const QImage& image, const char* format)
    {
        QString path = folder_ + "/" + QString::fromStdString(name);
        if (!image.save(path, format)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return false;
        }
        names_.push_back(QString::fromStdString(name));
        return true;
    }

    bool writeIndex()
    {
        QFile file(folder_ + "/skin.qrc");
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        QTextStream out(&file);
        out << "<RCC>\n  <qresource prefix=\"/\">\n";
        for (const QString& name : names_)
            out << "    <file>" << name << "</file>\n";
        out << "  </qresource>\n</RCC>\n";
        return true;
    }

private:
    QString folder_;
    QStringList names_;
};

QImage icon(TGlyph glyph, int colours)
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    pictures::paint(p, glyph, QRectF(1, 1, 30, 30));
    p.end();
    return reduceColours(image, colours);
}

// The program's icon for the desktop's icon theme, drawn at the theme's size rather than scaled.
QImage themeIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    pictures::paint(p, TGlyph::ProductLogo, QRectF(1, 1, 30, 30));
    p.end();
    return image;
}

QImage helpIcon()
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x10, 0x20, 0x60), 1.5));
    p.setBrush(QColor(0x28, 0x58, 0xc8));
    p.drawEllipse(QRectF(2, 2, 28, 28));
    QFont font("DejaVu Sans");
    font.setPixelSize(22);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, "?");
    p.end();
    return reduceColours(image, 16);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    paintkit::loadFonts();

    Output out(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (const TWindowGeometry* window : windowTables) {
        if (window->frame != TFrame::Skinned)
            continue;
        for (const std::string& words : clippedWords(*window))
            std::fprintf(stderr, "%s: \"%s\" does not fit its place\n", window->name, words.c_str());
        // Every picture twice: for ordinary screens, and at double density for high-scale ones.
        for (int scale : { 1, 2 }) {
            auto name = [scale](const std::string& resource) {
                return scale == 1 ? resource : doubleDensityResource(resource);
            };
            ok &= out.save(
                name(backgroundResource(*window)), reduceColours(paintBackground(*window, scale), 256), "BMP");
            for (const TControlGeometry& control : window->controls) {
                if (control.kind == TControlKind::BitmapButton)
                    ok &= out.save(name(pictureResource(*window, control)),
                        paintGlyphStrip(*window, control, scale).convertToFormat(QImage::Format_RGB888), "BMP");
                else if (control.kind == TControlKind::Picture && control.glyph != TGlyph::None)
                    ok &= out.save(name(pictureResource(*window, control)),
                        reduceColours(paintLogoPicture(*window, control, scale), 256), "BMP");
            }
        }
    }
    ok &= out.save(iconResource("zentrel"), icon(TGlyph::ProductLogo, 256), "PNG");
    ok &= out.save(iconResource("gfx"), icon(TGlyph::OpenFolder, 256), "PNG");
    ok &= out.save(iconResource("help"), helpIcon(), "PNG");
    ok &= out.saveIcon("zentrel", icon(TGlyph::ProductLogo, 256).convertToFormat(QImage::Format_ARGB32));
    ok &= out.saveIcon("gfx", icon(TGlyph::OpenFolder, 256).convertToFormat(QImage::Format_ARGB32));
    ok &= out.saveIcon("help", helpIcon().convertToFormat(QImage::Format_ARGB32));
    for (int size : themeIconSizes)
        ok &= out.saveOutside(themeIconPath(size), themeIcon(size));
    ok &= out.writeIndex();
    return ok ? 0 : 1;
}
