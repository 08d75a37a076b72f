#include "app/ScriptTrace.h"

#include "base/Ansi.h"
#include "script/Engine.h"

namespace orv {

bool TScriptTrace::Open(const std::string& hostPath) {
  file_ = std::fopen(hostPath.c_str(), "w");
  return file_ != nullptr;
}

void TScriptTrace::Attach(TScriptEngine& engine) {
  if (!file_) return;
  engine.SetLineTracer([file = file_](const TActionEval& eval) {
    // "source name:line: text", UTF-8, one line each; written at once so a
    // run that never ends still leaves its trail.
    const std::string name = AnsiToUtf8(eval.SourceName());
    const std::string text = AnsiToUtf8(eval.LineText());
    std::fprintf(file, "%d %s:%d: %s\n", eval.Source(), name.c_str(), eval.LineIndex, text.c_str());
    std::fflush(file);
  });
}

void TScriptTrace::Replayed(std::string_view file, int line, std::string_view text) {
  if (!file_) return;
  std::fprintf(file_, "replay %.*s:%d: ", static_cast<int>(file.size()), file.data(), line);
  std::fwrite(text.data(), 1, text.size(), file_);
  std::fputc('\n', file_);
  std::fflush(file_);
}

TScriptTrace::~TScriptTrace() {
  if (file_) std::fclose(file_);
}

}  // namespace orv
