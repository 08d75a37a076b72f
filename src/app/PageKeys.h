#pragma once
// A page's own document keys (colours, gradient, wallpaper, master page,
// enter and exit actions, effect) applied to its background.
namespace orv {

struct PublicationPage;
class TOrvalisBackground;

void ApplyPageKeys(const PublicationPage& model, TOrvalisBackground& background);

}  // namespace orv
