// libFuzzer target for one picture reader; the build names the reader in QUELLMOOR_FUZZ_READER
// (one target per format family). Readers that take a ReadHint are run at full size and at the
// smallest size they may reduce to.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <type_traits>

#include "imaging/format_readers.h"

namespace {

// A result is either a whole picture of the size it states, or a failure with a reason and no
// pixels; anything else is a fault the fuzzer must report.
void Check(const PictureReadResult& result) {
  if (result.error.empty()) {
    std::size_t expected = static_cast<std::size_t>(result.image.width) * result.image.height * 3;
    if (result.image.empty() || result.image.pixels.size() != expected) std::abort();
  } else if (!result.image.pixels.empty() || result.image.width != 0 || result.image.height != 0) {
    std::abort();
  }
}

template <typename Reader>
void Exercise(Reader reader, std::span<const std::uint8_t> data) {
  if constexpr (std::is_invocable_v<Reader, std::span<const std::uint8_t>, const ReadHint&>) {
    Check(reader(data, ReadHint{}));
    Check(reader(data, ReadHint{1, 1}));
  } else {
    Check(reader(data));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Exercise(QUELLMOOR_FUZZ_READER, std::span<const std::uint8_t>(data, size));
  return 0;
}
