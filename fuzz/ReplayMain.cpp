// Without libFuzzer: feeds every file named on the command line, or held in a folder named
// there, to the target once. Options (arguments starting with "-") are libFuzzer's and ignored.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> InputFiles(int argc, char** argv) {
  std::vector<std::filesystem::path> files;
  for (int k = 1; k < argc; ++k) {
    const std::filesystem::path argument = argv[k];
    if (argument.string().starts_with("-")) continue;
    if (!std::filesystem::is_directory(argument)) {
      files.push_back(argument);
      continue;
    }
    std::vector<std::filesystem::path> inFolder;
    for (const auto& entry : std::filesystem::directory_iterator(argument))
      if (entry.is_regular_file()) inFolder.push_back(entry.path());
    std::sort(inFolder.begin(), inFolder.end());
    files.insert(files.end(), inFolder.begin(), inFolder.end());
  }
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  const auto files = InputFiles(argc, argv);
  for (const auto& file : files) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "cannot read %s\n", file.c_str());
      return 1;
    }
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  std::printf("replayed %zu inputs\n", files.size());
  // An empty corpus proves nothing.
  return files.empty() ? 1 : 0;
}
