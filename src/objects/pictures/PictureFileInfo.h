#pragma once
// What a picture object knows of its picture before drawing it: whether it
// is there, its natural size and whether it carries an alpha channel. The
// package directory is asked first, then the file on disk.
#include <string_view>

namespace orv {

class PictureEntrySource;

struct TPictureFileInfo {
  bool exists = false;
  int width = 0;
  int height = 0;
  bool hasAlpha = false;
  // The picture claims no pixels in one direction: it is shown as the
  // bad-picture symbol, whose size it then takes.
  bool bad = false;
};

// `name` is prepared already (variables replaced, blanks trimmed); `entries`
// may be null.
TPictureFileInfo ReadPictureFileInfo(std::string_view name, PictureEntrySource* entries);

}  // namespace orv
