// CP932 through iconv, for every platform but Windows (which converts with its own API).
#include <iconv.h>

#include <cerrno>
#include <map>
#include <memory>

#include "core/ansi_codec.h"

namespace vensa::detail {
namespace {

// Bytes of the (possibly cut-off) UTF-8 sequence at `p`: its lead byte and the
// continuation bytes that follow, never more than the lead byte announces. A sequence cut
// short thus never swallows the line end after it.
std::size_t Utf8SequenceLength(const char* p, std::size_t left) {
  const auto lead = static_cast<unsigned char>(p[0]);
  const std::size_t announced = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  std::size_t n = 1;
  while (n < announced && n < left && (static_cast<unsigned char>(p[n]) & 0xC0) == 0x80) ++n;
  return n;
}

class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() {
    if (ok()) iconv_close(cd_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts all of `in`; on a character it cannot convert, appends `replacement`, skips
  // `skip(position, bytes left)` input bytes and goes on.
  template <typename Skip>
  std::string Convert(std::string_view in, std::string_view replacement, Skip skip,
                      bool* lossless) {
    std::string out;
    out.reserve(in.size() * 3 / 2 + 16);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buf[4096];
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    while (srcLeft > 0) {
      char* dst = buf;
      std::size_t dstLeft = sizeof buf;
      const std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buf, static_cast<std::size_t>(dst - buf));
      if (r != static_cast<std::size_t>(-1)) continue;
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL: one character that has no place in the target.
      out += replacement;
      if (lossless) *lossless = false;
      const std::size_t n = skip(src, srcLeft);
      src += n;
      srcLeft -= n;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::string PlatformUtf8ToAnsi(std::string_view utf8, bool* lossless) {
  thread_local Iconv cd("CP932", "UTF-8");
  if (!cd.ok()) {
    if (lossless) *lossless = false;
    return std::string(utf8);
  }
  return cd.Convert(utf8, "?", Utf8SequenceLength, lossless);
}

std::string PlatformAnsiToUtf8(std::string_view ansi) {
  thread_local Iconv cd("UTF-8", "CP932");
  if (!cd.ok()) return std::string(ansi);
  return cd.Convert(
      ansi, "\xEF\xBF\xBD", [](const char*, std::size_t) { return std::size_t{1}; }, nullptr);
}

std::optional<std::string> PlatformCodePageToUtf8(std::string_view bytes, unsigned codePage) {
  // One converter per code page for the thread's life: drawings convert many short texts.
  thread_local std::map<unsigned, std::unique_ptr<Iconv>> converters;
  std::unique_ptr<Iconv>& cd = converters[codePage];
  if (!cd) cd = std::make_unique<Iconv>("UTF-8", ("CP" + std::to_string(codePage)).c_str());
  if (!cd->ok()) return std::nullopt;
  return cd->Convert(
      bytes, "\xEF\xBF\xBD", [](const char*, std::size_t) { return std::size_t{1}; }, nullptr);
}

std::string PlatformAnsiCodePageName() {
  return "ANSI_932";
}

}  // namespace vensa::detail
