#include "shell/skin/TSkinPixmap.h"

#include "shell/skin/TWindowGeometry.h"

#include <QGuiApplication>

QPixmap skinPixmap(const std::string& resource)
{
    // Any scale above 1 takes the denser drawing: shrinking it looks better than enlarging the
    // plain one.
    if (qGuiApp && qGuiApp->devicePixelRatio() > 1.0) {
        QPixmap dense(QString::fromStdString(":/" + doubleDensityResource(resource)));
        if (!dense.isNull()) {
            dense.setDevicePixelRatio(2.0);
            return dense;
        }
    }
    return QPixmap(QString::fromStdString(":/" + resource));
}
