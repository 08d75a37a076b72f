#include "objects/media/Animator.h"

#include <QBuffer>
#include <QEvent>
#include <QFileInfo>
#include <QMovie>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "base/HostPath.h"
#include "base/NumberText.h"
#include "container/DocumentValue.h"
#include "pages/BackgroundMessages.h"
#include "pages/PictureCache.h"
#include "pages/PictureCacheSource.h"

namespace orv {

TOrvalisAnimator::TOrvalisAnimator(int type, QWidget* parent, TObjectHost* host)
    : TOrvalisObj(type, parent, host), clock_(MakeQtStepClock()) {}

TOrvalisAnimator::~TOrvalisAnimator() {
  clock_->Cancel();
  // The movie reads from the buffer: it goes first.
  movie_.reset();
}

bool TOrvalisAnimator::ApplyKey(const KeyValue& key) {
  if (ApplyHoverKey(key) || ApplyHintKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "FILENAME=") {
    imageFile_.SetView(key.Text());
    WatchTextVariables({ImageFile()});
  } else if (name == "OBJACTION=") {
    clickAction_.SetView(key.Text());
    UpdateCursor();
  } else if (name == "AUTOSTART=") {
    autoStart_ = key.Yes();
  } else if (name == "OBJDONEACTION=") {
    doneAction_.SetView(key.Text());
  } else if (name == "LOOPTIMES=") {
    loopCount_ = SaturatedAbs(key.Number());
  } else if (name == "AUTOSIZE=") {
    autoSizing_ = key.Yes();
  } else if (name == "AUTOREWIND=") {
    autoRewind_ = key.Yes();
  } else {
    return false;
  }
  return true;
}

int TOrvalisAnimator::CurrentFrame() const { return movie_ != nullptr ? movie_->currentFrameNumber() : -1; }

// --- Loading --------------------------------------------------------------------

void TOrvalisAnimator::SetImageFile(std::string_view name) {
  imageFile_.Set(name);
  WatchTextVariables({ImageFile()});
  Load();
}

void TOrvalisAnimator::Load() {
  if (!MayShow()) return;
  StopAnimating();
  resumeFrame_ = -1;
  DropMovie();
  OpenMovie(PrepareFileName(ImageFile()));
  if (movie_ == nullptr) {
    update();
    return;
  }
  if (autoSizing_) {
    const int line = std::max(LineWidth(), 0);
    const QSize picture = movie_->currentPixmap().size();
    resize(picture.width() + 2 * line, picture.height() + 2 * line);
  }
  if (playing_ || autoStart_)
    Play(loopCount_);
  else
    update();
}

void TOrvalisAnimator::OpenMovie(const std::string& name) {
  if (name.empty()) return;
  std::string bytes;
  PictureEntrySource* entries = PictureCache().EntrySource();
  if (entries != nullptr && entries->ReadEntry(name, bytes) == PictureEntrySource::ReadResult::Ok) {
    bytes_ = QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    buffer_ = std::make_unique<QBuffer>(&bytes_);
    movie_ = std::make_unique<QMovie>(buffer_.get());
  } else {
    const QString path = QString::fromStdString(HostPath(name));
    if (!QFileInfo(path).isFile()) return;
    movie_ = std::make_unique<QMovie>(path);
  }
  // Every frame kept: loops start over and paused frames come back without
  // reading the file again.
  movie_->setCacheMode(QMovie::CacheAll);
  // A picture without a first frame (damaged, not a picture) shows nothing.
  if (!movie_->isValid() || !movie_->jumpToFrame(0) || movie_->currentPixmap().isNull()) DropMovie();
  lastFrameSeen_ = 0;
}

void TOrvalisAnimator::DropMovie() {
  movie_.reset();
  buffer_.reset();
  bytes_.clear();
}

void TOrvalisAnimator::Unload() {
  StopAnimating();
  DropMovie();
  update();
}

void TOrvalisAnimator::WatchedVariableChanged(std::string_view, std::string_view) { Load(); }

// --- Playing ----------------------------------------------------------------------

void TOrvalisAnimator::Play(int loops) {
  if (movie_ == nullptr) return;
  StopAnimating();
  loopCount_ = SaturatedAbs(loops);
  loopsDone_ = 0;
  if (resumeFrame_ >= 0) {
    movie_->jumpToFrame(resumeFrame_);
    resumeFrame_ = -1;
  }
  playing_ = true;
  // A still picture has nothing to advance, and so never ends a loop.
  if (movie_->frameCount() != 1) {
    animating_ = true;
    ScheduleStep();
  }
  update();
}

void TOrvalisAnimator::Pause() {
  if (autoRewind_) {
    Stop(true);
    return;
  }
  if (animating_) resumeFrame_ = CurrentFrame();
  StopAnimating();
}

void TOrvalisAnimator::Stop(bool rewind) {
  StopAnimating();
  if (!rewind) return;
  resumeFrame_ = -1;
  playing_ = false;
  if (movie_ != nullptr) movie_->jumpToFrame(0);
  update();
}

void TOrvalisAnimator::StopAnimating() {
  animating_ = false;
  clock_->Cancel();
}

void TOrvalisAnimator::ScheduleStep() {
  const int delay = std::max(movie_->nextFrameDelay(), kShortestFrameDelayMs);
  clock_->Schedule(delay, [this] { Step(); });
}

void TOrvalisAnimator::Step() {
  if (movie_ == nullptr || !animating_) return;
  const int before = movie_->currentFrameNumber();
  lastFrameSeen_ = std::max(lastFrameSeen_, before);
  const bool moved = movie_->jumpToNextFrame();
  const int after = movie_->currentFrameNumber();
  // The frame number wraps to 0 when the movie loops by itself; when it
  // finishes (its own loops done, or a frame that does not read) the
  // object starts it over.
  const bool wrapped = !moved || after <= before;
  if (wrapped && after != 0 && !movie_->jumpToFrame(0)) {
    StopAnimating();
    update();
    return;
  }
  update();
  if (wrapped && LoopEnded()) return;
  ScheduleStep();
}

bool TOrvalisAnimator::LoopEnded() {
  if (loopCount_ <= 0 || ++loopsDone_ < loopCount_) return false;
  StopAnimating();
  playing_ = false;
  resumeFrame_ = -1;
  if (!autoRewind_) movie_->jumpToFrame(LastFrame());
  update();
  RunEventScript(doneAction_.View(), evDone);
  return true;
}

int TOrvalisAnimator::LastFrame() const {
  const int count = movie_->frameCount();
  return count > 0 ? count - 1 : lastFrameSeen_;
}

void TOrvalisAnimator::SetStepClock(std::unique_ptr<TStepClock> clock) {
  if (clock == nullptr) return;
  clock_->Cancel();
  clock_ = std::move(clock);
  if (animating_) ScheduleStep();
}

// --- Painting and notifications -----------------------------------------------------

void TOrvalisAnimator::DrawShape(QPainter& painter) {
  TOrvalisObj::DrawShape(painter);
  if (movie_ == nullptr) return;
  const QRect area = ClientArea();
  painter.save();
  painter.setClipRect(area, Qt::IntersectClip);
  painter.drawPixmap(area.topLeft(), movie_->currentPixmap());
  painter.restore();
}

void TOrvalisAnimator::Notify(int message, const std::string& text, const std::string& data) {
  // "1" with page shown: only an area was redrawn.
  if (message == kMsgPageShown && text != "1") {
    pageActive_ = true;
    if (!VisibleState()) {
      // Nothing to show.
    } else if (movie_ == nullptr) {
      Load();
    } else if (playing_ || autoStart_) {
      Play(loopCount_);
    }
  }
  TOrvalisObj::Notify(message, text, data);
}

void TOrvalisAnimator::PageEntering() {
  pageActive_ = true;
  Load();
}

void TOrvalisAnimator::PageLeaving() {
  pageActive_ = false;
  Unload();
}

bool TOrvalisAnimator::event(QEvent* event) {
  // Shown or hidden itself (not with its page): loaded while seen only.
  if (event->type() == QEvent::ShowToParent && pageActive_ && movie_ == nullptr)
    Load();
  else if (event->type() == QEvent::HideToParent && pageActive_)
    Unload();
  return TOrvalisObj::event(event);
}

}  // namespace orv
