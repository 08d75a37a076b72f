#pragma once
// The inputs a fuzz target kept (tests/fuzz/corpus/<target>/), read for the
// tests that replay them, so an input that once failed stays fixed.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace orv::test {

struct FuzzInput {
  std::string name;
  std::string bytes;
};

inline std::vector<FuzzInput> ReadFuzzCorpus(const std::string& target) {
  const std::filesystem::path dir = std::filesystem::path(ORVALIS_TEST_DATA_DIR).parent_path() / "fuzz" / "corpus" / target;
  std::vector<FuzzInput> inputs;
  if (!std::filesystem::is_directory(dir)) return inputs;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    inputs.push_back({entry.path().filename().string(),
                      std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>())});
  }
  std::sort(inputs.begin(), inputs.end(), [](const FuzzInput& a, const FuzzInput& b) { return a.name < b.name; });
  return inputs;
}

}  // namespace orv::test
