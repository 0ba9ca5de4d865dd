// Checks shared by the reader tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "imaging/picture_reader.h"
#include "imaging/tests/reader_samples.h"

// The read succeeded and every byte is within tolerance of the expected picture's.
inline testing::AssertionResult ShowsPicture(const PictureReadResult& result, const RgbImage& expected,
                                             int tolerance = 0) {
  if (!result.ok()) return testing::AssertionFailure() << "read failed: " << result.error;
  if (result.image.width != expected.width || result.image.height != expected.height) {
    return testing::AssertionFailure() << "size " << result.image.width << " x " << result.image.height << ", expected "
                                       << expected.width << " x " << expected.height;
  }
  if (result.image.pixels.size() != expected.pixels.size()) {
    return testing::AssertionFailure() << "buffer of " << result.image.pixels.size() << " bytes";
  }
  for (std::size_t i = 0; i < expected.pixels.size(); ++i) {
    if (std::abs(result.image.pixels[i] - expected.pixels[i]) > tolerance) {
      std::size_t pixel = i / 3;
      return testing::AssertionFailure() << "pixel (" << pixel % expected.width << ", " << pixel / expected.width
                                         << ") channel " << i % 3 << " is " << int{result.image.pixels[i]}
                                         << ", expected " << int{expected.pixels[i]};
    }
  }
  return testing::AssertionSuccess();
}

// The read failed with a text that starts with `start`, and left no picture.
inline testing::AssertionResult FailsWith(const PictureReadResult& result, const std::string& start) {
  if (result.ok() || !result.image.pixels.empty()) return testing::AssertionFailure() << "read did not fail";
  if (result.error.rfind(start, 0) != 0) return testing::AssertionFailure() << "failure text: " << result.error;
  return testing::AssertionSuccess();
}

struct FailureCase {
  const char* what;
  Bytes file;
  const char* error;  // how the failure text starts
};

// Reading each case's file with `read` fails with the case's text.
template <typename Reader>
void ExpectFailures(Reader read, const std::vector<FailureCase>& cases) {
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_TRUE(FailsWith(read(c.file), c.error));
  }
}

// A copy of bytes with the value at offset replaced.
inline Bytes Patched(Bytes bytes, std::size_t offset, std::initializer_list<std::uint8_t> values) {
  for (std::uint8_t value : values) bytes.at(offset++) = value;
  return bytes;
}
