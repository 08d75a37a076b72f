#pragma once
// Creating page objects from the publication document: the class of each
// "ObjectType=", the keys every object takes, and the build of a page's
// objects with their groups and containers.
#include <span>

class QWidget;

namespace orv {

struct KeyValue;
struct Publication;
struct PublicationObject;
class TObjectHost;
class TOrvalisBackground;
class TOrvalisObj;

// The object of `type` (2 to 24) as a child of `parent`; null for any other
// type.
TOrvalisObj* CreateObject(int type, QWidget* parent, TObjectHost* host);

// One property line: the keys every object takes, then the type's own;
// keys the type does not take are ignored.
void ApplyObjectKey(TOrvalisObj& object, const KeyValue& key);

// Creates `objects` on `page`, each with its keys applied in the order read
// and its children inside it, and registers the top-level ones with the
// page.
void BuildPageObjects(const Publication& publication, std::span<const PublicationObject> objects,
                      TOrvalisBackground& page, TObjectHost* host);

}  // namespace orv
