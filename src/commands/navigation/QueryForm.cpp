#include "commands/navigation/QueryForm.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>

#include "app/PlayerMessageBox.h"
#include "app/WorkForm.h"
#include "commands/navigation/PlayerDialog.h"
#include "imaging/OVImageView.h"
#include "pages/PictureCache.h"

namespace orv {

namespace {

constexpr int kMargin = 12;       // left edge to picture and first button
constexpr int kTextGap = 8;       // picture panel to message
constexpr int kButtonGap = 8;     // between buttons
constexpr int kRowGap = 24;       // content to the button row
constexpr int kBottomSpace = 40;  // below the button row
constexpr int kMinButtonWidth = 45;
constexpr int kMinButtonHeight = 25;

QString CaptionAt(const std::vector<std::string>& captions, std::size_t index, std::size_t count) {
  QDialogButtonBox::StandardButton fallback = QDialogButtonBox::NoButton;
  if (count == 1) fallback = QDialogButtonBox::Ok;
  if (count == 2) fallback = index == 0 ? QDialogButtonBox::Yes : QDialogButtonBox::No;
  if (captions[index].empty() && fallback == QDialogButtonBox::NoButton) return QString();
  return ButtonCaption(captions[index], fallback);
}

// The picture file as it reads; null when it cannot be read or decoded.
QPixmap PictureOf(const std::string& file) {
  if (file.empty()) return QPixmap();
  const AcquiredPicture picture = PictureCache().AcquirePictureUnheld(file);
  if (!picture || picture.picture->BadImage() || picture.picture->Bitmap().isNull()) return QPixmap();
  return QPixmap::fromImage(picture.picture->Bitmap());
}

int AvailableScreenWidth(const QWidget* parent) {
  const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry().width() : 1024;
}

}  // namespace

TQueryForm::TQueryForm(const TQueryRequest& request, const QFont& font, QWidget* parent, int screenWidth)
    : QDialog(parent) {
  setWindowTitle(DialogText(request.Title));
  setFont(font);
  const QFontMetrics metrics(font);

  const std::size_t count = std::min<std::size_t>(request.Captions.size(), kMaxButtons);
  const int buttonHeight = std::max(kMinButtonHeight, metrics.height() + 4);
  int buttonWidth = kMinButtonWidth;
  for (std::size_t i = 0; i < count; ++i) {
    auto* button = new QPushButton(CaptionAt(request.Captions, i, count), this);
    button->setAutoDefault(true);
    buttonWidth = std::max(buttonWidth, metrics.horizontalAdvance(button->text()) + 16);
    const int number = static_cast<int>(i) + 1;
    connect(button, &QPushButton::clicked, this, [this, number] { done(number); });
    buttons_.push_back(button);
  }

  panel_ = new QLabel(this);
  QPixmap picture = PictureOf(request.PictureFile);
  if (!picture.isNull()) {
    symbol_ = Symbol::Picture;
  } else {
    symbol_ = count < 2 ? Symbol::Alert : Symbol::Question;
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    const QIcon icon = style()->standardIcon(
        symbol_ == Symbol::Alert ? QStyle::SP_MessageBoxWarning : QStyle::SP_MessageBoxQuestion, nullptr, this);
    picture = icon.pixmap(QSize(side, side), devicePixelRatio());
    picture.setDevicePixelRatio(devicePixelRatio());
  }
  panel_->setPixmap(picture);
  const QSize panelSize = picture.deviceIndependentSize().toSize();

  message_ = new QLabel(this);
  message_->setTextFormat(Qt::PlainText);
  message_->setMargin(0);
  message_->setIndent(0);
  message_->setText(DialogText(request.Message));
  const int messageLeft = kMargin + panelSize.width() + kTextGap;
  QSize messageSize = message_->sizeHint();

  const int rowWidth =
      count == 0 ? 0 : static_cast<int>(count) * buttonWidth + (static_cast<int>(count) - 1) * kButtonGap;
  const int screen = screenWidth > 0 ? screenWidth : AvailableScreenWidth(parent);
  if (messageLeft + messageSize.width() + kMargin > screen) {
    const int wrapWidth = std::max(1, screen - kMargin - messageLeft);
    message_->setWordWrap(true);
    messageSize = QSize(wrapWidth, message_->heightForWidth(wrapWidth));
  }
  const int clientWidth = std::max(messageLeft + messageSize.width() + kMargin, rowWidth + 2 * kMargin);

  int panelTop = kMargin;
  int messageTop = kMargin;
  if (messageSize.height() < panelSize.height())
    messageTop += (panelSize.height() - messageSize.height()) / 2;
  else
    panelTop += (messageSize.height() - panelSize.height()) / 2;
  panel_->setGeometry(QRect(QPoint(kMargin, panelTop), panelSize));
  message_->setGeometry(QRect(QPoint(messageLeft, messageTop), messageSize));
  const int contentBottom = std::max(panelTop + panelSize.height(), messageTop + messageSize.height());

  int clientHeight = std::max(messageSize.height() + 16, contentBottom + kMargin);
  if (count > 0) {
    const int rowTop = contentBottom + kRowGap;
    int x = clientWidth > rowWidth + 2 * kMargin ? (clientWidth - rowWidth) / 2 : kMargin;
    for (QPushButton* button : buttons_) {
      button->setGeometry(x, rowTop, buttonWidth, buttonHeight);
      x += buttonWidth + kButtonGap;
    }
    clientHeight = rowTop + buttonHeight + kBottomSpace;
  }
  setFixedSize(clientWidth, clientHeight);
}

void TQueryForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!buttons_.empty()) buttons_.front()->setFocus(Qt::OtherFocusReason);
}

int TQueryForm::Run() { return exec(); }

int ShowQueryForm(const TQueryRequest& request, TWorkForm* window) {
  const TModalDialogScope scope;
  TQueryForm form(request, DialogFont(window), DialogOwner(window));
  return form.Run();
}

}  // namespace orv
