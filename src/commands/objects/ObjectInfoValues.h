#pragma once
// The values GetObjectInfo gives, by information name and object type.
#include <string>

#include "commands/objectparams/ObjectInfoName.h"

namespace orv {

struct TargetObject;

// Windows-1252 text of the value; types the name does not apply to give
// what the command gives for them (an empty text, "0").
std::string ObjectInfoValue(const TargetObject& target, ObjectInfo info);

}  // namespace orv
