// The general picture reader: detects the format from the first bytes of the data and hands the
// data to that format's reader.
#include "imaging/picture_reader.h"

#include <cstring>
#include <initializer_list>

#include "common/byte_order.h"
#include "imaging/format_readers.h"
#include "imaging/metafile.h"
#include "imaging/reader_support.h"

namespace {

bool StartsWith(std::span<const std::uint8_t> data, std::initializer_list<std::uint8_t> prefix) {
  if (data.size() < prefix.size()) return false;
  return std::memcmp(data.data(), prefix.begin(), prefix.size()) == 0;
}

bool IsJp2Signature(std::span<const std::uint8_t> data) {
  return StartsWith(data, {0x00, 0x00, 0x00, 0x0C, 'j', 'P', ' ', ' ', 0x0D, 0x0A, 0x87, 0x0A});
}

bool IsJ2kCodestream(std::span<const std::uint8_t> data) { return StartsWith(data, {0xFF, 0x4F, 0xFF, 0x51}); }

// "BM" followed, at offset 14, by the size of one of the known info headers (12 is the OS/2
// core header, 16 to 64 the OS/2 2.x header, 40 to 124 the Windows headers).
bool IsBmp(std::span<const std::uint8_t> data) {
  if (!StartsWith(data, {'B', 'M'}) || data.size() < 18) return false;
  std::uint32_t header_size = ReadU32LE(data.data() + 14);
  return header_size == 12 || (header_size >= 16 && header_size <= 64) || header_size == 108 || header_size == 124;
}

// Manufacturer byte 10, a known version (0 to 5), run-length encoding 1 and a known depth.
bool IsPcx(std::span<const std::uint8_t> data) {
  if (data.size() < 128 || data[0] != 0x0A || data[2] != 1) return false;
  std::uint8_t version = data[1];
  std::uint8_t bits = data[3];
  return (version <= 5 && version != 1) && (bits == 1 || bits == 2 || bits == 4 || bits == 8);
}

// The placeable header's key, or a standard header: type 1 (memory) or 2 (disk), header size
// 9 words, version 0x0100 or 0x0300.
bool IsWmf(std::span<const std::uint8_t> data) {
  if (StartsWith(data, {0xD7, 0xCD, 0xC6, 0x9A})) return true;
  if (data.size() < 18) return false;
  std::uint16_t type = ReadU16LE(data.data());
  std::uint16_t version = ReadU16LE(data.data() + 4);
  return (type == 1 || type == 2) && ReadU16LE(data.data() + 2) == 9 && (version == 0x0100 || version == 0x0300);
}

// An EMR_HEADER record (type 1) with the signature " EMF" at offset 40.
bool IsEmf(std::span<const std::uint8_t> data) {
  return data.size() >= 88 && ReadU32LE(data.data()) == 1 && ReadU32LE(data.data() + 40) == 0x464D4520;
}

}  // namespace

PictureFormat DetectPictureFormat(std::span<const std::uint8_t> data) {
  if (StartsWith(data, {0xFF, 0xD8, 0xFF})) return PictureFormat::kJpeg;
  if (StartsWith(data, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A})) return PictureFormat::kPng;
  // Classic TIFF (42) and BigTIFF (43), in either byte order.
  if (StartsWith(data, {'I', 'I', 42, 0}) || StartsWith(data, {'M', 'M', 0, 42}) ||
      StartsWith(data, {'I', 'I', 43, 0}) || StartsWith(data, {'M', 'M', 0, 43})) {
    return PictureFormat::kTiff;
  }
  if (IsJ2kCodestream(data) || IsJp2Signature(data)) return PictureFormat::kJpeg2000;
  if (StartsWith(data, {'G', 'I', 'F', '8', '7', 'a'}) || StartsWith(data, {'G', 'I', 'F', '8', '9', 'a'})) {
    return PictureFormat::kGif;
  }
  if (IsBmp(data)) return PictureFormat::kBmp;
  if (StartsWith(data, {'8', 'B', 'P', 'S', 0, 1})) return PictureFormat::kPsd;
  if (IsPcx(data)) return PictureFormat::kPcx;
  if (IsEmf(data)) return PictureFormat::kEmf;
  if (IsWmf(data)) return PictureFormat::kWmf;
  if (LooksLikeTga(data)) return PictureFormat::kTga;
  if (LooksLikeWbmp(data)) return PictureFormat::kWbmp;
  return PictureFormat::kUnknown;
}

PictureReadResult ReadPicture(std::span<const std::uint8_t> data, const ReadHint& hint) {
  PictureFormat format = DetectPictureFormat(data);
  switch (format) {
    case PictureFormat::kJpeg: return ReadJpeg(data, hint);
    case PictureFormat::kPng: return ReadPng(data);
    case PictureFormat::kTiff: return ReadTiff(data);
    case PictureFormat::kJpeg2000: return ReadJpeg2000(data, hint);
    case PictureFormat::kGif: return ReadGif(data);
    case PictureFormat::kBmp: return ReadBmp(data);
    case PictureFormat::kPcx: return ReadPcx(data);
    case PictureFormat::kTga: return ReadTga(data);
    case PictureFormat::kPsd: return ReadPsd(data);
    case PictureFormat::kWbmp: return ReadWbmp(data);
    case PictureFormat::kWmf:
    case PictureFormat::kEmf: return ReadMetafile(data, format);
    case PictureFormat::kUnknown: break;
  }
  return ReadFailure(PictureFormat::kUnknown, "unsupported picture format");
}
