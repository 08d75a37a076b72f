#pragma once
// Push buttons, check boxes and radio buttons.
#include "objects/buttons/ButtonBase.h"
#include "objects/buttons/CheckRadio.h"
#include "objects/buttons/PushButton.h"
