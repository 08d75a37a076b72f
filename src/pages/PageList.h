#pragma once
// The list of a publication's pages, one shown at a time. Page 0 is the
// master page. While the document loads, a new page index is only stored;
// afterwards a change raises OnPageChange (which may refuse it), swaps the
// visible page and raises OnPageChanged.
#include <QWidget>
#include <functional>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "pages/ObjectNameIndex.h"

namespace orv {

class TOVPage;

class EInvalidPageIndex : public std::out_of_range {
 public:
  EInvalidPageIndex() : std::out_of_range("Invalid page index.") {}
};

class TOVPageList : public QWidget {
 public:
  explicit TOVPageList(QWidget* parent = nullptr);
  ~TOVPageList() override;

  int Count() const { return static_cast<int>(pages_.size()); }
  // nullptr when out of range.
  TOVPage* Page(int index) const;
  bool IsValidIndex(int index) const { return index >= 0 && index < Count(); }
  // `index` from 0 to Count(); otherwise EInvalidPageIndex.
  TOVPage& InsertPage(std::string_view name, int index);
  // First page named `name` regardless of letter case; -1 for none.
  int IndexOfName(std::string_view name) const;
  // The index of `page`; -1 when it is not in the list.
  int IndexOfPage(const TOVPage* page) const;
  // The objects named `name` on any page, by page in page order.
  std::span<const TObjectNameIndex::Hit> ObjectsNamed(std::string_view name) const {
    return nameIndex_.Find(*this, name);
  }

  int PageIndex() const { return pageIndex_; }
  // The page being switched to while a switch runs, otherwise PageIndex().
  int NextPageIndex() const { return nextPageIndex_; }
  // EInvalidPageIndex for an index outside the list (not while loading).
  void SetPageIndex(int index);
  bool Switching() const { return switching_; }

  bool Loading() const { return loading_; }
  void SetLoading(bool loading) { loading_ = loading; }
  bool ConserveResources() const { return conserveResources_; }
  void SetConserveResources(bool value) { conserveResources_ = value; }

  // Gives a hidden page's native window back when conserving resources.
  void ReleasePage(int index);
  void SuspendRedraw();
  void ResumeRedraw();
  // Hides and frees every page.
  void Clear();

  // Before a switch away from a shown page: new index, allow flag.
  std::function<void(int, bool&)> OnPageChange;
  // After a completed switch: new index.
  std::function<void(int)> OnPageChanged;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::vector<TOVPage*> pages_;
  mutable TObjectNameIndex nameIndex_;
  int pageIndex_ = -1;
  int nextPageIndex_ = -1;
  bool switching_ = false;
  bool loading_ = false;
  bool conserveResources_ = true;
};

}  // namespace orv
