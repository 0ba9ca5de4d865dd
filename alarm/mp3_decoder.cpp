// The alarm sound's decoder: libmpg123 in feed mode, handed the file chunk by chunk.
#include "alarm/mp3_decoder.h"

#include <mpg123.h>

#include "common/file_system.h"

namespace {

// The bytes read from the file at a time; a few MP3 frames.
constexpr std::size_t kChunkSize = 16 * 1024;

// Every rate the decoder knows, mono or stereo, always as 16-bit samples: the mixer converts rate and
// channels itself.
bool AcceptSixteenBitOutput(mpg123_handle* handle) {
  if (mpg123_format_none(handle) != MPG123_OK) return false;
  const long* rates = nullptr;
  std::size_t count = 0;
  mpg123_rates(&rates, &count);
  for (std::size_t i = 0; i < count; ++i) {
    if (mpg123_format(handle, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16) != MPG123_OK) return false;
  }
  return true;
}

}  // namespace

void Mp3Decoder::HandleDeleter::operator()(mpg123_handle_struct* handle) const { mpg123_delete(handle); }

std::unique_ptr<Mp3Decoder> Mp3Decoder::Open(const std::string& path) {
  Handle handle(mpg123_new(nullptr, nullptr));
  if (!handle) return nullptr;
  // Quiet: the library would otherwise report broken frames on the standard error output. The tags
  // are of no use to an alarm sound; skipped, one that claims a huge size is never held in memory.
  mpg123_param(handle.get(), MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_SKIP_ID3V2, 0);
  if (!AcceptSixteenBitOutput(handle.get()) || mpg123_open_feed(handle.get()) != MPG123_OK) return nullptr;
  std::unique_ptr<Mp3Decoder> decoder(new Mp3Decoder(std::move(handle), path));
  if (!decoder->ReadFormat()) return nullptr;
  return decoder;
}

bool Mp3Decoder::FeedNextChunk() {
  auto chunk = ReadFileRange(path_, offset_, kChunkSize);
  if (!chunk || chunk->empty()) return false;
  if (mpg123_feed(handle_.get(), chunk->data(), chunk->size()) != MPG123_OK) return false;
  offset_ += chunk->size();
  return true;
}

// Feeds the file until the first frame header is read. A file that is not MPEG audio fails here: the
// decoder gives up after its resynchronisation limit, or the file ends first.
bool Mp3Decoder::ReadFormat() {
  while (true) {
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    int result = mpg123_getformat(handle_.get(), &rate, &channels, &encoding);
    if (result == MPG123_OK) {
      format_ = {static_cast<int>(rate), channels};
      return encoding == MPG123_ENC_SIGNED_16 && (channels == 1 || channels == 2) && rate > 0;
    }
    if (result != MPG123_NEED_MORE || !FeedNextChunk()) return false;
  }
}

std::size_t Mp3Decoder::Decode(unsigned char* output, std::size_t size) {
  std::size_t written = 0;
  while (!finished_ && written < size) {
    std::size_t done = 0;
    int result = mpg123_read(handle_.get(), output + written, size - written, &done);
    written += done;
    if (result == MPG123_NEED_MORE) {
      finished_ = !FeedNextChunk();
    } else if (result == MPG123_NEW_FORMAT) {
      // A stream whose rate or channels change midway ends there: the mixer converts one format.
      PcmFormat before = format_;
      finished_ = !ReadFormat() || format_.rate != before.rate || format_.channels != before.channels;
      format_ = before;
    } else if (result != MPG123_OK) {
      finished_ = true;
    }
  }
  return written;
}

std::size_t Mp3Decoder::Read(std::span<std::int16_t> samples) {
  const std::size_t frame_bytes = static_cast<std::size_t>(format_.channels) * sizeof(std::int16_t);
  const std::size_t frames = samples.size() / static_cast<std::size_t>(format_.channels);
  return Decode(reinterpret_cast<unsigned char*>(samples.data()), frames * frame_bytes) / frame_bytes;
}
