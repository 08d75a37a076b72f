#pragma once
// Timers, animated pictures and media players.
#include "objects/media/Animator.h"
#include "objects/media/MediaPlayer.h"
#include "objects/media/Timer.h"
