#include "app/WindowProgress.h"

#include <QPixmap>
#include <algorithm>

#include "app/SplashScreenForm.h"

namespace orv {

TWindowProgress::TWindowProgress() = default;
TWindowProgress::~TWindowProgress() = default;

void TWindowProgress::Begin(int maximum) {
  maximum_ = std::max(1, maximum);
  position_ = 0;
  if (loadingSplash_ != nullptr) {
    shown_ = loadingSplash_;
  } else {
    own_ = std::make_unique<TSplashScreenForm>(QPixmap(), message_);
    shown_ = own_.get();
  }
  shown_->SetProgress(0);
}

void TWindowProgress::Step() {
  if (shown_ == nullptr) return;
  position_ = std::min(position_ + 1, maximum_);
  shown_->SetProgress(static_cast<int>(static_cast<long long>(position_) * TSplashScreenForm::kProgressRange / maximum_));
  // Its timer cannot fire while nothing is served: look at it here.
  shown_->ShowWhenDue();
}

void TWindowProgress::End() {
  if (own_) {
    own_->hide();
    own_.reset();
  }
  shown_ = nullptr;
}

}  // namespace orv
