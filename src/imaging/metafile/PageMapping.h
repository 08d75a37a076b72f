#pragma once
// The page-to-device mapping of a metafile's device context: the mapping
// mode with the window and viewport origins and extents. Fixed modes measure
// logical units in millimetres or inches of the reference device; the two
// free modes map the window onto the viewport, the isotropic one keeping the
// aspect ratio.
#include <QPointF>
#include <QSizeF>
#include <QTransform>

namespace orv {

class TPageMapping {
 public:
  enum Mode { Text = 1, LoMetric = 2, HiMetric = 3, LoEnglish = 4, HiEnglish = 5, Twips = 6, Isotropic = 7,
              Anisotropic = 8 };

  // `pixelsPerMm` is the reference device's resolution, for the fixed modes.
  explicit TPageMapping(QSizeF pixelsPerMm = QSizeF(96 / 25.4, 96 / 25.4));

  int GetMode() const { return mode_; }
  // Unknown modes are ignored, as the system does.
  void SetMode(int mode);

  void SetWindowOrg(QPointF org) { windowOrg_ = org; }
  void SetViewportOrg(QPointF org) { viewportOrg_ = org; }
  void OffsetWindowOrg(QPointF by) { windowOrg_ += by; }
  void OffsetViewportOrg(QPointF by) { viewportOrg_ += by; }
  // Extents change only in the two free modes; a zero extent is ignored.
  void SetWindowExt(QSizeF ext);
  void SetViewportExt(QSizeF ext);
  // Multiplies the extent by num/denom in each direction; a zero
  // denominator or a zero result is ignored.
  void ScaleWindowExt(double xNum, double xDenom, double yNum, double yDenom);
  void ScaleViewportExt(double xNum, double xDenom, double yNum, double yDenom);

  QPointF WindowOrg() const { return windowOrg_; }
  QSizeF WindowExt() const { return windowExt_; }
  QSizeF ViewportExt() const { return viewportExt_; }

  // Logical (page) coordinates to device pixels.
  QTransform PageToDevice() const;

 private:
  // Logical units per millimetre of a fixed mode.
  static double UnitsPerMm(int mode);
  static bool Free(int mode) { return mode == Isotropic || mode == Anisotropic; }
  static bool Usable(QSizeF ext);

  QSizeF pixelsPerMm_;
  int mode_ = Text;
  QPointF windowOrg_;
  QPointF viewportOrg_;
  QSizeF windowExt_{1, 1};
  QSizeF viewportExt_{1, 1};
};

}  // namespace orv
