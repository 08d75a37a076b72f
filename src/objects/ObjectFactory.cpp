#include "objects/ObjectFactory.h"

#include "container/DocumentValue.h"
#include "container/Publication.h"
#include "objects/buttons/Buttons.h"
#include "objects/InputObjects.h"
#include "objects/MediaObjects.h"
#include "objects/OrvalisRepositor.h"
#include "objects/pictures/PictureObject.h"
#include "objects/shapes/Shapes.h"
#include "objects/text/Article.h"
#include "objects/text/LinkedArticle.h"
#include "objects/text/TextBlock.h"
#include "objects/WebObjects.h"
#include "pages/OrvalisBackground.h"

namespace orv {

namespace {

template <typename T>
TOrvalisObj* Make(int type, QWidget* parent, TObjectHost* host) {
  return new T(type, parent, host);
}

bool ApplyCommonKey(TOrvalisObj& object, const KeyValue& key) {
  const std::string_view name = key.Name();
  const QRect at = object.geometry();
  if (name == "NAME=") object.SetObjectName(key.Text());
  else if (name == "X=") object.SetDocumentGeometry(key.Number(), at.y(), at.width(), at.height());
  else if (name == "Y=") object.SetDocumentGeometry(at.x(), key.Number(), at.width(), at.height());
  else if (name == "W=") object.SetDocumentGeometry(at.x(), at.y(), key.Number(), at.height());
  else if (name == "H=") object.SetDocumentGeometry(at.x(), at.y(), at.width(), key.Number());
  else if (name == "LINECOLOR=") object.SetLineColor(static_cast<ColourValue>(key.Number()));
  else if (name == "LINEWIDTH=") object.SetLineWidth(key.Number());
  else if (name == "LINESTYLE=") object.SetLineStyle(key.Number() & 0xFF);
  else if (name == "FILLCOLOR=") object.SetFillColor(static_cast<ColourValue>(key.Number()));
  else if (name == "FILLPATTERN=") object.SetFillPattern(key.Number() & 0xFF);
  else if (name == "FILLMODE=") object.SetTransparent(key.Yes());
  else if (name == "VISIBLE=") object.SetVisibleState(key.Yes());
  else if (name == "ENABLED=") object.SetEnabledState(key.Yes());
  else if (name == "TABORDER=") object.SetTabOrder(key.Number());
  else if (name == "ANCHOR=") object.SetAnchor(key.Number() & 0xFF);
  else return false;
  return true;
}

void BuildObjects(const Publication& publication, std::span<const PublicationObject> objects, QWidget& parent,
                  TOrvalisBackground* page, TOrvalisRepositor* holder, TObjectHost* host) {
  for (const PublicationObject& model : objects) {
    TOrvalisObj* object = CreateObject(model.type, &parent, host);
    if (object == nullptr) continue;
    for (const KeyValue& key : publication.ObjectKeys(model)) ApplyObjectKey(*object, key);
    if (holder != nullptr)
      holder->AddChild(object);
    else if (page != nullptr)
      page->AddObject(object);
    if (auto* repositor = dynamic_cast<TOrvalisRepositor*>(object)) {
      BuildObjects(publication, model.children, *repositor, nullptr, repositor, host);
      repositor->ChildrenComplete();
      repositor->Realign();
    }
    object->setVisible(object->VisibleState());
  }
}

}  // namespace

TOrvalisObj* CreateObject(int type, QWidget* parent, TObjectHost* host) {
  switch (type) {
    case 2: return Make<TOrvalisArticle>(type, parent, host);
    case 3: return Make<TOrvalisPushBtn>(type, parent, host);
    case 4: return Make<TOrvalisPicture>(type, parent, host);
    case 5: return Make<TOrvalisRect>(type, parent, host);
    case 6: return Make<TOrvalisCircle>(type, parent, host);
    case 7: return Make<TOrvalisLine>(type, parent, host);
    case 8: return Make<TOrvalisText>(type, parent, host);
    case 9: return Make<TOrvalisEditField>(type, parent, host);
    case 10: return Make<TOrvalisListBox>(type, parent, host);
    case 11: return Make<TOrvalisComboBox>(type, parent, host);
    case 12: return Make<TOrvalisCheckBox>(type, parent, host);
    case 13: return Make<TOrvalisRadioBtn>(type, parent, host);
    case 14: return Make<TOrvalisWebBrowser>(type, parent, host);
    case 15: return Make<TOrvalisTimer>(type, parent, host);
    case 16: return Make<TOrvalisTrackBar>(type, parent, host);
    case 17: return Make<TOrvalisRoundRect>(type, parent, host);
    case 18: return Make<TOrvalisMediaPlayer>(type, parent, host);
    case 19: return Make<TOrvalisAnimator>(type, parent, host);
    case 20: return Make<TOrvalisGroup>(type, parent, host);
    case 21: return Make<TOrvalisContainer>(type, parent, host);
    case 22: return Make<TOrvalisFlash>(type, parent, host);
    case 23: return Make<TOrvalisPolygon>(type, parent, host);
    case 24: return Make<TOrvalisLinkedArticle>(type, parent, host);
    default: return nullptr;
  }
}

void ApplyObjectKey(TOrvalisObj& object, const KeyValue& key) {
  if (key.key == nullptr) return;
  if (!ApplyCommonKey(object, key)) object.ApplyKey(key);
}

void BuildPageObjects(const Publication& publication, std::span<const PublicationObject> objects,
                      TOrvalisBackground& page, TObjectHost* host) {
  BuildObjects(publication, objects, page, &page, nullptr, host);
}

}  // namespace orv
