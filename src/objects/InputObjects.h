#pragma once
// Edit fields, list boxes, combo boxes and track bars.
#include "objects/input/EditField.h"
#include "objects/input/ListObjects.h"
#include "objects/input/TrackBar.h"
