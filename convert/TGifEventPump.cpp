#include "convert/TGifEventPump.h"

#include <QApplication>
#include <QCoreApplication>

void TGifEventPump::BeginLoad()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TGifEventPump::RowDecoded()
{
    QCoreApplication::processEvents();
}

void TGifEventPump::EndLoad()
{
    QApplication::restoreOverrideCursor();
}
