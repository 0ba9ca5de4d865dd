// The alarm sound's decoder: an MPEG audio file (layer 3 or 2) decoded piece by piece into
// interleaved 16-bit samples. The file is read a small chunk at a time through the program's file
// access, so a long sound costs no more memory than a short one and code page 1252 paths work.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "alarm/pcm_source.h"

struct mpg123_handle_struct;

class Mp3Decoder final : public PcmSource {
 public:
  // The decoder of the file at path with its format known, or nothing when the file cannot be read
  // or holds no MPEG audio.
  [[nodiscard]] static std::unique_ptr<Mp3Decoder> Open(const std::string& path);

  PcmFormat format() const override { return format_; }
  std::size_t Read(std::span<std::int16_t> samples) override;

 private:
  struct HandleDeleter {
    void operator()(mpg123_handle_struct* handle) const;
  };
  using Handle = std::unique_ptr<mpg123_handle_struct, HandleDeleter>;

  Mp3Decoder(Handle handle, std::string path) : handle_(std::move(handle)), path_(std::move(path)) {}
  // Hands the decoder the next chunk of the file; false at its end or when it cannot be read.
  bool FeedNextChunk();
  // Decodes up to size bytes into output; returns the bytes written and sets finished_ at the end.
  std::size_t Decode(unsigned char* output, std::size_t size);
  bool ReadFormat();

  Handle handle_;
  std::string path_;
  std::uint64_t offset_ = 0;
  PcmFormat format_;
  bool finished_ = false;
};
