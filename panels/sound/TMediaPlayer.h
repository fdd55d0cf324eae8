#pragma once

#include "panels/sound/SoundPlayer.h"

#include <QObject>

// The test player as a Qt object: a play's completion notice is queued to the thread the player
// lives on, and dropped with the player should that be gone first.
class TMediaPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    // Without a back end the player uses SDL audio.
    explicit TMediaPlayer(std::shared_ptr<SoundBackEnd> backEnd = {}, QObject* parent = nullptr);
};
