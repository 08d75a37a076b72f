#pragma once
// One page of objects built from a few document lines onto a bare page
// background: no window and no host, so nothing but the objects' own keys,
// layout and painting is in play. Needs a QApplication.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <initializer_list>
#include <string>
#include <string_view>

#include "container/DocumentReader.h"
#include "container/Publication.h"
#include "objects/ObjectFactory.h"
#include "objects/OrvalisObj.h"
#include "pages/OrvalisBackground.h"

namespace orv::test {

// Document lines joined with the document's CR LF.
inline std::string DocLines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (const std::string_view line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

// A rectangle as "x,y wxh", so a failed comparison reads plainly.
inline std::string Text(const QRect& r) {
  return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
         std::to_string(r.height());
}

class ObjectPage {
 public:
  // `objectLines` follow "NewPage=P"; the page's publication area is the
  // whole page.
  explicit ObjectPage(const std::string& objectLines, QSize size = QSize(64, 48)) {
    const std::string document = "NewPage=P\r\n" + objectLines;
    std::string error;
    read_ = ReadPublicationDocument(document, false, document.size(), {}, publication_, error);
    EXPECT_TRUE(read_) << error;
    page_.resize(size);
    page_.SetPublicationArea(QRect(QPoint(0, 0), size));
    if (read_ && publication_.pages.size() > 1)
      BuildPageObjects(publication_, publication_.pages[1].objects, page_, nullptr);
  }

  TOrvalisBackground& Page() { return page_; }
  std::size_t Count() const { return page_.Objects().size(); }
  // The page's `index`th top-level object; null (with a failure) when
  // there is none.
  TOrvalisObj* Object(std::size_t index = 0) {
    const auto& objects = page_.Objects();
    EXPECT_LT(index, objects.size());
    return index < objects.size() ? dynamic_cast<TOrvalisObj*>(objects[index]) : nullptr;
  }
  template <typename T>
  T* As(std::size_t index = 0) {
    auto* object = dynamic_cast<T*>(Object(index));
    EXPECT_NE(object, nullptr) << "object " << index << " is not of the class asked for";
    return object;
  }

  // The page as Qt paints it, child widgets included.
  QImage Grab() { return page_.grab().toImage().convertToFormat(QImage::Format_RGB32); }
  // The page as the page itself renders it off-screen.
  QImage Render() {
    QImage image(page_.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    page_.RenderTo(painter, 0, 0);
    painter.end();
    return image;
  }

 private:
  // Objects keep views of the publication's texts: declared first, freed
  // after the page.
  Publication publication_;
  bool read_ = false;
  TOrvalisBackground page_;
};

}  // namespace orv::test
