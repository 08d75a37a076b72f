#pragma once
// The track bar: a value the reader drags between a minimum and a maximum,
// drawn by the object itself: a track and a thumb, each a picture or a
// button frame in the fill colour. Also the position bar of the media
// player, which takes the change step for itself.
#include <functional>
#include <string>

#include "objects/OrvalisObj.h"
#include "objects/input/TrackBarGeometry.h"

namespace orv {

class TOrvalisTrackBar : public TOrvalisObj {
 public:
  // Called instead of the change step's own work (the media player seeks).
  using TChangeHandler = std::function<void()>;

  TOrvalisTrackBar(int type, QWidget* parent, TObjectHost* host);

  // --- Properties ---------------------------------------------------------
  std::string_view ChangeAction() const { return changeAction_.View(); }
  std::string_view ChangingAction() const { return changingAction_.View(); }
  void SetChangeAction(std::string_view script) { changeAction_.Set(script); }
  void SetChangingAction(std::string_view script) { changingAction_.Set(script); }
  const std::string& VarName() const { return varName_; }
  void SetVarName(std::string_view name);
  int Orientation() const { return orientation_; }
  void SetOrientation(int value);  // other than slHoriz and slVertical: ignored
  int InitialValue() const { return initialValue_; }
  void SetInitialValue(int value) { initialValue_ = value; }
  int Minimum() const { return minimum_; }
  int Maximum() const { return maximum_; }
  int Value() const { return value_; }

  // Sizes below 0 are 0. Setting the width or the height of a part sets
  // both.
  int ThumbWidth() const { return thumbWidth_; }
  int ThumbHeight() const { return thumbHeight_; }
  int TrackWidth() const { return trackWidth_; }
  int TrackHeight() const { return trackHeight_; }
  void SetThumbWidth(int value) { SetPartSize(thumbWidth_, thumbHeight_, value, value); }
  void SetThumbHeight(int value) { SetPartSize(thumbWidth_, thumbHeight_, value, value); }
  void SetTrackWidth(int value) { SetPartSize(trackWidth_, trackHeight_, value, value); }
  void SetTrackHeight(int value) { SetPartSize(trackWidth_, trackHeight_, value, value); }

  // A picture that can be read gives its part its own width and height.
  std::string_view ThumbImageFile() const { return thumbImage_.View(); }
  std::string_view TrackImageFile() const { return trackImage_.View(); }
  void SetThumbImageFile(std::string_view name);
  void SetTrackImageFile(std::string_view name);
  ColourValue ThumbTransColor() const { return thumbTrans_; }
  ColourValue TrackTransColor() const { return trackTrans_; }
  void SetThumbTransColor(ColourValue value);
  void SetTrackTransColor(ColourValue value);

  // --- Value and range ----------------------------------------------------
  // Clamped into the range; a new value is shown and runs the change step,
  // except while the reader drags the thumb (it is only stored then).
  void SetValue(int value);
  // Clamped, stored and shown without the change step: the media player's
  // position, the value a variable gives.
  void SetValueInternally(int value);
  // A maximum below the new minimum becomes minimum + 1, a minimum above
  // the new maximum becomes maximum - 1; at the 32-bit limits the end set
  // gives way by one instead. The value is then pulled into the range
  // through SetValue.
  void SetMinimum(int value);
  void SetMaximum(int value);

  // The media player's own change step; empty gives the usual one back.
  void SetChangeHandler(TChangeHandler handler) { changeHandler_ = std::move(handler); }
  // The reader is dragging the thumb.
  bool Dragging() const { return dragging_; }

  TTrackBarMetrics Metrics() const;
  QRect TrackRect() const { return TrackBarTrackRect(Metrics()); }
  QRect ThumbRect() const { return TrackBarThumbRect(Metrics(), value_); }

  // --- Object -------------------------------------------------------------
  bool TakesHoverActions() const override { return true; }
  bool ApplyKey(const KeyValue& key) override;
  void Notify(int message, const std::string& text, const std::string& data) override;
  void DrawShape(QPainter& painter) override;
  TFindParts FindParts() override;

 protected:
  int CursorSlot() const override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void BoundVariableChanged(std::string_view value) override;
  void WatchedVariableChanged(std::string_view bracketName, std::string_view value) override;

 private:
  void Loaded();
  // The range rule alone: nothing is run or shown, the value is clamped.
  void PlaceMinimum(int value);
  void PlaceMaximum(int value);
  void ClampValueQuietly();
  int Clamped(std::int64_t value) const;
  // The steps the reader's changes run.
  void ChangeStep();
  void ChangingStep();
  void WriteVariable();
  // A press ends as a release would when Qt will deliver none.
  void EndPress();
  void SetPartSize(int& width, int& height, int newWidth, int newHeight);
  // Takes the sizes of the pictures that can be read.
  void TakePictureSizes(bool thumb, bool track);
  void DrawPart(QPainter& painter, const QRect& rect, std::string_view picture, ColourValue transparent,
                bool raised);

  TObjectText changeAction_, changingAction_, thumbImage_, trackImage_;
  std::string varName_;
  int orientation_ = slHoriz;
  int initialValue_ = 0;
  int minimum_ = 0;
  int maximum_ = 100;
  int value_ = 0;
  int thumbWidth_ = 10;
  int thumbHeight_ = 10;
  int trackWidth_ = 3;
  int trackHeight_ = 3;
  ColourValue thumbTrans_ = kAutoTransparentColour;
  ColourValue trackTrans_ = kAutoTransparentColour;
  TChangeHandler changeHandler_;
  int valueAtPress_ = 0;
  int dragOffset_ = 0;
  bool dragging_ = false;
  bool changingRunning_ = false;
};

}  // namespace orv
