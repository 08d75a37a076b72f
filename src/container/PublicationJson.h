#pragma once
// The publication model as one JSON object, texts in UTF-8:
//   settings  key without "=" -> value text, for every setting that is given
//             or has a default
//   texts     the "L_" keys the document gives
//   pages     index 0 the master page; each {name, keys, objects}, keys
//             mapping page keys to values (the last one read counts)
//   objects   {type, keys, children}, keys an array of [KEY, value] pairs in
//             the order read
//   menubar, traymenu  arrays of {name, keys, children}, keys as for objects
// Values are the text as read, except Lines (CR LF for "¶") and variable
// names (bracketed).
#include <string>
#include <string_view>

#include "container/Publication.h"

namespace orv {

void WritePublicationJson(const Publication& publication, std::string& out);

// A Windows-1252 text as a quoted JSON string in UTF-8.
void AppendJsonString(std::string_view ansi, std::string& out);

}  // namespace orv
