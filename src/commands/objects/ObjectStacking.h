#pragma once
// ObjectToFront and ObjectToBack: the widget's stacking and its holder's
// list of objects change together, so the page as composed off-screen, the
// lookup by name and the hot keys follow what the screen shows.
namespace orv {

class TOrvalisObj;

void BringObjectToFront(TOrvalisObj& object);
// A master page's background lying on the same page stays beneath every
// object of that page.
void SendObjectToBack(TOrvalisObj& object);

}  // namespace orv
