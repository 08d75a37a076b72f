#pragma once
// The publication model as an indented outline an author can read, in
// UTF-8: the settings and texts the document gives, every page with its keys
// and objects, and the menus. Values appear as written in the document, one
// line each.
#include <string>

#include "container/Publication.h"

namespace orv {

void WritePublicationOutline(const Publication& publication, std::string& out);

}  // namespace orv
