#pragma once
// TOrvalisPicture: a picture on the page, at natural size, stretched, fitted,
// tiled or automatically one of these; zoomed, scrolled in its own scroll
// view or panned with the mouse; drawn with a transparent colour or its own
// alpha channel and an opacity.
#include <cstdint>
#include <string>

#include "objects/OrvalisObj.h"
#include "objects/pictures/PictureFileInfo.h"
#include "objects/pictures/PicturePanning.h"
#include "objects/pictures/PicturePlacement.h"
#include "objects/pictures/PictureScrollView.h"

namespace orv {

class TOrvalisPicture : public TOrvalisObj, private TPictureBoxClient {
 public:
  TOrvalisPicture(int type, QWidget* parent, TObjectHost* host);

  // --- The picture ------------------------------------------------------
  // The name as written; may name variables.
  std::string_view ImageFile() const { return imageFile_.View(); }
  void SetImageFile(std::string_view name);
  // Read from the picture's header or the package directory on first use.
  bool FileExists() const { return Info().exists; }
  bool HasAlphaMask() const { return Info().hasAlpha; }
  int ImageWidth() const { return Info().width; }
  int ImageHeight() const { return Info().height; }
  // The name the picture was last read under.
  const std::string& ResolvedFileName() const { return resolvedName_; }
  // Reads the picture's information again and repaints.
  void Reload();

  // --- How it is shown ----------------------------------------------------
  int PaintMode() const { return paintMode_; }
  void SetPaintMode(int mode);  // outside 0 to 6: ignored
  bool ScrollBars() const { return scrollBars_; }
  void SetScrollBars(bool value);
  ColourValue TransColor() const { return transColor_; }
  void SetTransColor(ColourValue value);
  int Opacity() const { return opacity_; }
  void SetOpacity(int value);  // kept within 1 to 255
  bool MouseScrollable() const { return mouseScrollable_; }
  void SetMouseScrollable(bool value);
  int ZoomFactor() const { return zoomFactor_; }
  // The magnitude is taken, at least 10.
  void SetZoomFactor(int value);
  bool Centered() const { return centered_; }
  void SetCentered(bool value);
  bool ResampleMode() const { return resampleMode_; }
  void SetResampleMode(bool value);

  // --- State --------------------------------------------------------------
  // The page is on screen.
  bool Showing() const { return showing_; }
  // Present only while the page shows a picture with scroll bars in
  // pNormal.
  TPictureScrollView* ScrollBox() const { return scrollView_; }
  const TPanOffset& PanOffset() const { return pan_.Offset(); }

  // Paints the picture into `rect` of `canvas`. On screen (not printing,
  // no inner box) the object's fill and outline come first; `innerBox` is
  // the scroll view's box when painting into it; when printing, positions
  // and sizes are multiplied by the scales.
  void PaintPicture(QPainter& canvas, const QRect& rect, bool printing, QWidget* innerBox, double scaleX,
                    double scaleY);

  // --- TOrvalisObj --------------------------------------------------------
  bool TakesClickActions() const override { return true; }
  bool TakesHoverActions() const override { return true; }
  bool ApplyKey(const KeyValue& key) override;
  void SetFillPattern(int value) override;
  void SetTransparent(bool value) override;
  bool GetIsTransparent() const override;
  void DrawShape(QPainter& painter) override;
  void PaintTo(QPainter& painter) override;
  void Notify(int message, const std::string& text, const std::string& data) override;
  void PageEntering() override;
  void PageLeaving() override;
  void UpdateCursor() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void WatchedVariableChanged(std::string_view bracketName, std::string_view value) override;
  void FillChanged() override;
  void LineChanged() override;

 private:
  // TPictureBoxClient
  void PaintBox(QPainter& painter, QWidget& box) override;
  void BoxReleased(Qt::MouseButton button, QPoint pos, QWidget& box) override;
  bool DragScrolls() const override { return mouseScrollable_; }

  const TPictureFileInfo& Info() const;
  void ReadInfo() const;
  void ImageFileChanged();
  // Builds, sizes or removes the scroll view as the state asks; positions
  // go back to 0 with `resetPositions`.
  void LayoutScrollView(bool resetPositions);
  void DestroyScrollView();
  void RecomputeTabStop();
  // Scroll bars and panning need an opaque object.
  void DropTransparency();
  void RepaintAll();
  void AreaRedrawn(const std::string& pageRect);
  void DrawPlaced(QPainter& canvas, const QRect& area, bool printing, double scaleX, double scaleY);

  TObjectText imageFile_;
  bool nameHasVariables_ = false;
  mutable std::string resolvedName_;
  mutable TPictureFileInfo info_;
  mutable bool infoStale_ = true;
  int paintMode_ = pNormal;
  ColourValue transColor_ = kNoTransparentColour;
  int zoomFactor_ = kNaturalZoom;
  int opacity_ = 255;
  bool scrollBars_ = false;
  bool mouseScrollable_ = false;
  bool centered_ = false;
  bool resampleMode_ = false;
  bool showing_ = false;
  TPictureScrollView* scrollView_ = nullptr;
  TPicturePan pan_;
};

}  // namespace orv
