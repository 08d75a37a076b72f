#include "imaging/metafile/PageMapping.h"

#include <cmath>

namespace orv {

namespace {

constexpr double kLargestExtent = 1e9;

}  // namespace

TPageMapping::TPageMapping(QSizeF pixelsPerMm) : pixelsPerMm_(pixelsPerMm) {
  if (!Usable(pixelsPerMm_) || pixelsPerMm_.width() < 0 || pixelsPerMm_.height() < 0)
    pixelsPerMm_ = QSizeF(96 / 25.4, 96 / 25.4);
}

double TPageMapping::UnitsPerMm(int mode) {
  switch (mode) {
    case LoMetric: return 10;
    case HiMetric: return 100;
    case LoEnglish: return 100 / 25.4;
    case HiEnglish: return 1000 / 25.4;
    case Twips: return 1440 / 25.4;
    default: return 0;
  }
}

bool TPageMapping::Usable(QSizeF ext) {
  return std::isfinite(ext.width()) && std::isfinite(ext.height()) && ext.width() != 0 && ext.height() != 0 &&
         std::abs(ext.width()) <= kLargestExtent && std::abs(ext.height()) <= kLargestExtent;
}

void TPageMapping::SetMode(int mode) {
  if (mode < Text || mode > Anisotropic) return;
  if (Free(mode) && !Free(mode_)) {
    // Entering a free mode keeps the scale the fixed mode had.
    if (mode_ == Text) {
      windowExt_ = viewportExt_ = QSizeF(1, 1);
    } else {
      const double units = UnitsPerMm(mode_);
      windowExt_ = QSizeF(units * 1000, units * 1000);
      viewportExt_ = QSizeF(pixelsPerMm_.width() * 1000, -pixelsPerMm_.height() * 1000);
    }
  }
  mode_ = mode;
}

void TPageMapping::SetWindowExt(QSizeF ext) {
  if (Free(mode_) && Usable(ext)) windowExt_ = ext;
}

void TPageMapping::SetViewportExt(QSizeF ext) {
  if (Free(mode_) && Usable(ext)) viewportExt_ = ext;
}

void TPageMapping::ScaleWindowExt(double xNum, double xDenom, double yNum, double yDenom) {
  if (xDenom == 0 || yDenom == 0) return;
  SetWindowExt(QSizeF(windowExt_.width() * xNum / xDenom, windowExt_.height() * yNum / yDenom));
}

void TPageMapping::ScaleViewportExt(double xNum, double xDenom, double yNum, double yDenom) {
  if (xDenom == 0 || yDenom == 0) return;
  SetViewportExt(QSizeF(viewportExt_.width() * xNum / xDenom, viewportExt_.height() * yNum / yDenom));
}

QTransform TPageMapping::PageToDevice() const {
  double sx = 1;
  double sy = 1;
  if (Free(mode_)) {
    sx = viewportExt_.width() / windowExt_.width();
    sy = viewportExt_.height() / windowExt_.height();
    if (mode_ == Isotropic) {
      // The smaller scale serves both directions; each keeps its sign.
      const double s = std::min(std::abs(sx), std::abs(sy));
      sx = std::copysign(s, sx);
      sy = std::copysign(s, sy);
    }
  } else if (mode_ != Text) {
    const double units = UnitsPerMm(mode_);
    sx = pixelsPerMm_.width() / units;
    sy = -pixelsPerMm_.height() / units;  // y grows upwards
  }
  return QTransform(sx, 0, 0, sy, viewportOrg_.x() - windowOrg_.x() * sx, viewportOrg_.y() - windowOrg_.y() * sy);
}

}  // namespace orv
