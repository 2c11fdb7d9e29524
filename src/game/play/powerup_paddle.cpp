// Power-ups that shape the paddle: its width, its speed and the height of the
// zone it moves in. Each active entry adds its step again on every update.
#include <algorithm>

#include "game/play/balls.h"
#include "game/play/level.h"
#include "game/play/paddle.h"
#include "game/play/powerup_effects.h"

void ApplyPaddleEffect(int type) {
    switch (type) {
    case PowerWidePaddle: paddleTargetHalfWidth += 6; break;
    case PowerNarrowPaddle: paddleTargetHalfWidth = std::max(4, paddleTargetHalfWidth - 6); break;
    case PowerSluggishPaddle:
        if (paddleMaxStep > 2) paddleMaxStep -= 2;
        break;
    case PowerFastPaddle:
        if (paddleMaxStep < 10) paddleMaxStep += 4;
        break;
    case PowerRaiseZone:
        if (ballCount > 0) paddleTargetZoneHeight = std::min(collisionMap->height - 5, paddleTargetZoneHeight + 20);
        break;
    case PowerLowerZone:
        if (ballCount > 0) paddleTargetZoneHeight = std::max(5, paddleTargetZoneHeight - 20);
        break;
    default: break;
    }
}
