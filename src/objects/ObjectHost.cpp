#include "objects/ObjectHost.h"

#include "objects/OrvalisObj.h"
#include "pages/BackgroundMessages.h"

namespace orv {

void TObjectHost::ShowObjectWindow(TOrvalisObj& object, bool visible) {
  object.setVisible(visible);
  object.Notify(kMsgMoved, {}, {});
}

void TObjectHost::MoveObject(TOrvalisObj& object, const QRect& rectInParent) {
  object.setGeometry(rectInParent);
  object.Notify(kMsgMoved, {}, {});
}

TOrvalisObj* TObjectHost::FindObject(std::string_view, bool) { return nullptr; }

}  // namespace orv
