#include "objects/text/LinkedArticleChains.h"

#include <string>
#include <unordered_map>

#include "base/Ansi.h"
#include "objects/text/LinkedArticle.h"
#include "pages/OrvalisBackground.h"

namespace orv {

namespace {

void Collect(const std::vector<TBackgroundObject*>& objects, std::vector<TOrvalisLinkedArticle*>& boxes) {
  for (TBackgroundObject* object : objects) {
    if (auto* box = dynamic_cast<TOrvalisLinkedArticle*>(object)) boxes.push_back(box);
    Collect(object->ChildObjects(), boxes);
  }
}

}  // namespace

int ChainLinkedArticles(const std::vector<TOrvalisBackground*>& pages) {
  std::vector<TOrvalisLinkedArticle*> boxes;
  for (TOrvalisBackground* page : pages)
    if (page != nullptr) Collect(page->Objects(), boxes);
  std::unordered_map<std::string, TOrvalisLinkedArticle*, AnsiCaseHash, AnsiCaseEqual> last;
  for (TOrvalisLinkedArticle* box : boxes) {
    if (box->TextFile().empty()) continue;
    auto [it, first] = last.try_emplace(std::string(box->TextFile()), box);
    if (!first) {
      it->second->LinkTo(box);
      it->second = box;
    }
  }
  int chains = 0;
  for (TOrvalisLinkedArticle* box : boxes) {
    if (box->LinkPrev() != nullptr) continue;
    ++chains;
    if (box->Txt().empty()) box->LayOutChain(false);
  }
  return chains;
}

}  // namespace orv
