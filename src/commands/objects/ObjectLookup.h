#pragma once
// How the object commands find the object their first parameter names, and
// the show step they share.
#include <optional>
#include <string_view>

namespace orv {

class TActionEval;
class TOrvalisObj;
class TWorkForm;

struct TargetObject {
  TWorkForm* Window = nullptr;
  TOrvalisObj* Object = nullptr;
  bool InCustomWindow = false;
  int PageIndex = -1;  // the page it lies on (0: the master page); -1 in a custom window
};

// The object named by parameter 1: custom windows first, then the current
// page, then the other pages from the master page up. When there is none,
// "[LastError]" is the name in double quotes, "||" and "Oggetto
// inesistente."; an empty name is never found. Nothing without a window.
std::optional<TargetObject> FindTargetObject(TActionEval& eval);

// The same object when it is a T; null otherwise.
template <typename T>
T* FindTargetOfType(TActionEval& eval) {
  const std::optional<TargetObject> target = FindTargetObject(eval);
  return target ? dynamic_cast<T*>(target->Object) : nullptr;
}

// In a custom window, on the current page, or on the master page while the
// current page shows it: a change to it is seen at once.
bool IsOnScreen(const TargetObject& target);

// ShowObject and HideObject: the visible state, animated from the page as
// it was to the page as it is when the object is on screen. An empty
// `effect` copies the new picture.
void ChangeObjectVisibility(TActionEval& eval, const TargetObject& target, bool visible, std::string_view effect,
                            std::string_view speed);

// After a Set command changed a visible object's look: shown again without
// an effect when it is on screen.
void ShowChangedLook(TActionEval& eval, const TargetObject& target);

}  // namespace orv
