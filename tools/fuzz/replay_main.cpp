// Replays fuzz inputs without libFuzzer, so that the seed corpora run as
// regression cases under CTest: each file named goes to the target once. A
// finding crashes or traps as it would under libFuzzer; an empty file fails,
// as it would replay nothing.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::cerr << "usage: " << argv[0] << " FILE...\n";
    return 2;
  }
  for (int i = 1; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.is_open() || bytes.empty()) {
      std::cerr << argv[i] << ": unreadable or empty\n";
      return 1;
    }
    std::cout << argv[i] << ": " << bytes.size() << " bytes" << std::endl;
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  return 0;
}
