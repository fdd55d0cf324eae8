#include "panels/sound/TMediaPlayer.h"

TMediaPlayer::TMediaPlayer(std::shared_ptr<SoundBackEnd> backEnd, QObject* parent)
    : QObject(parent)
    , SoundPlayer(std::move(backEnd), [this](std::function<void()> notice) {
        QMetaObject::invokeMethod(this, std::move(notice), Qt::QueuedConnection);
    })
{
}
