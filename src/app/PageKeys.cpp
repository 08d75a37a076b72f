#include "app/PageKeys.h"

#include "container/Publication.h"
#include "pages/OrvalisBackground.h"

namespace orv {

void ApplyPageKeys(const PublicationPage& model, TOrvalisBackground& background) {
  for (const KeyValue& key : model.keys) {
    const std::string_view name = key.Name();
    if (name == "PAGECOLOR=") {
      background.SetColor(static_cast<ColourValue>(key.Number()));
    } else if (name == "PAGEGRADIENT1=") {
      background.SetGradientColor1(static_cast<ColourValue>(key.Number()));
    } else if (name == "PAGEGRADIENT2=") {
      background.SetGradientColor2(static_cast<ColourValue>(key.Number()));
    } else if (name == "PAGESTYLE=") {
      const std::int32_t style = key.Number();
      if (style >= pbSolid && style <= pbWallpaper)
        background.SetBackgroundStyle(static_cast<TBackgroundStyle>(style));
    } else if (name == "PAGEGRADIENTDIR=") {
      background.SetGradientAngle(key.Number() == G_Vert ? G_Vert : G_Horz);
    } else if (name == "WALLPAPERSTYLE=") {
      const std::int32_t style = key.Number();
      if (style >= wsTile && style <= wsStretched)
        background.SetWallpaperStyle(static_cast<TWallpaperStyle>(style));
    } else if (name == "PAGEWALLPAPER=") {
      background.SetWallpaperFile(key.Text());
    } else if (name == "SHOWMASTERPAGE=") {
      background.SetShowMasterPage(key.Yes());
    } else if (name == "PGENTERACTION=") {
      background.SetEnterAction(key.Text());
    } else if (name == "PGEXITACTION=") {
      background.SetExitAction(key.Text());
    } else if (name == "PAGEEFFECT=") {
      background.SetEffect(key.Text());
    }
  }
}

}  // namespace orv
