#include "pages/PageList.h"

#include <QResizeEvent>
#include <algorithm>

#include "base/Ansi.h"
#include "pages/ObjectNameIndex.h"
#include "pages/Page.h"

namespace orv {

TOVPageList::TOVPageList(QWidget* parent) : QWidget(parent) {}

TOVPageList::~TOVPageList() { Clear(); }

TOVPage* TOVPageList::Page(int index) const { return IsValidIndex(index) ? pages_[index] : nullptr; }

TOVPage& TOVPageList::InsertPage(std::string_view name, int index) {
  if (index < 0 || index > Count()) throw EInvalidPageIndex();
  auto* page = new TOVPage(name, this);
  page->setGeometry(rect());
  page->hide();
  pages_.insert(pages_.begin() + index, page);
  TObjectNameIndex::ObjectsChanged();
  if (pageIndex_ >= index) ++pageIndex_;
  if (nextPageIndex_ >= index) ++nextPageIndex_;
  return *page;
}

int TOVPageList::IndexOfName(std::string_view name) const {
  for (int i = 0; i < Count(); ++i)
    if (AnsiSameText(pages_[i]->Name(), name)) return i;
  return -1;
}

int TOVPageList::IndexOfPage(const TOVPage* page) const {
  const auto at = std::find(pages_.begin(), pages_.end(), page);
  return at != pages_.end() ? static_cast<int>(at - pages_.begin()) : -1;
}

void TOVPageList::SetPageIndex(int index) {
  if (loading_) {
    // No notifications while the document is read; the page is only made
    // the visible one.
    pageIndex_ = nextPageIndex_ = index;
    for (int i = 0; i < Count(); ++i) pages_[i]->setVisible(i == index);
    return;
  }
  if (!IsValidIndex(index)) throw EInvalidPageIndex();
  if (index == pageIndex_ || switching_) return;
  // The flag and the next index are put back on every way out, a refusal
  // or an exception from a handler included; a flag left set would refuse
  // every later switch.
  struct Restore {
    TOVPageList& list;
    ~Restore() {
      list.switching_ = false;
      list.nextPageIndex_ = list.pageIndex_;
    }
  } restore{*this};
  switching_ = true;
  nextPageIndex_ = index;
  const int old = pageIndex_;
  if (old != -1 && OnPageChange) {
    bool allow = true;
    OnPageChange(index, allow);
    if (!allow) return;
  }
  TOVPage* next = pages_[index];
  next->setGeometry(rect());
  next->show();
  next->raise();
  if (TOVPage* previous = Page(old)) {
    previous->hide();
    ReleasePage(old);
  }
  pageIndex_ = index;
  update();
  switching_ = false;
  nextPageIndex_ = pageIndex_;
  if (pageIndex_ == index && old != -1 && OnPageChanged) OnPageChanged(index);
}

void TOVPageList::ReleasePage(int index) {
  TOVPage* page = Page(index);
  if (!page || !conserveResources_ || index == pageIndex_) return;
  // Child widgets have no native window unless one is asked for; a hidden
  // page that got one drops back to being drawn by its parent.
  page->setAttribute(Qt::WA_NativeWindow, false);
}

void TOVPageList::SuspendRedraw() { setUpdatesEnabled(false); }

void TOVPageList::ResumeRedraw() {
  setUpdatesEnabled(true);
  repaint();
  for (TOVPage* page : pages_)
    if (page->isVisible()) page->repaint();
}

void TOVPageList::Clear() {
  std::vector<TOVPage*> pages;
  pages.swap(pages_);
  for (TOVPage* page : pages) {
    page->hide();
    delete page;
  }
  pageIndex_ = nextPageIndex_ = -1;
}

void TOVPageList::resizeEvent(QResizeEvent* event) {
  for (TOVPage* page : pages_) page->setGeometry(QRect(QPoint(0, 0), event->size()));
  QWidget::resizeEvent(event);
}

}  // namespace orv
