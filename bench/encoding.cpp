// Loading speed: finding the encoding of a large document and decoding it,
// and encoding it back for the save. The baseline widens the same bytes into
// a code-point string, the least work any decoder has to do.
#include <chrono>
#include <cstdio>
#include <string>

#include "support/encoding.h"

namespace {

template <typename F>
double Seconds(F&& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Report(const char* name, double megabytes, double seconds, double baselineSeconds) {
  std::printf("BENCH %s %.1f MB/s baseline=%.1f ratio=%.2f\n", name, megabytes / seconds,
              megabytes / baselineSeconds, baselineSeconds / seconds);
}

// About 100 MB of markup: mostly ASCII with a UTF-8 word on every line.
std::string MakeDocument() {
  const std::string line = "<p class=\"note\">Caf\xC3\xA9 \xD0\x96 \xE2\x82\xAC 42 text</p>\r\n";
  std::string doc;
  doc.reserve(100u << 20);
  while (doc.size() + line.size() <= doc.capacity()) doc += line;
  return doc;
}

}  // namespace

int main() {
  const std::string doc = MakeDocument();
  const double mb = static_cast<double>(doc.size()) / (1 << 20);
  qs::String widened;
  const double baseline = Seconds([&] {
    widened.resize(doc.size());
    for (std::size_t i = 0; i < doc.size(); ++i) widened[i] = static_cast<unsigned char>(doc[i]);
  });
  qs::DecodedText decoded;
  const double load = Seconds([&] { decoded = qs::DecodeDocument(doc); });
  std::string saved;
  const double save =
      Seconds([&] { saved = qs::EncodeText(decoded.text, decoded.encoding, false); });
  if (saved != doc || widened.size() != doc.size()) {
    std::fprintf(stderr, "round trip failed\n");
    return 1;
  }
  std::string latin = doc;
  latin[latin.size() / 2] = '\xE9';  // one stray byte makes it windows-1252
  const double loadPage = Seconds([&] { decoded = qs::DecodeDocument(latin); });
  Report("encoding_load_utf8", mb, load, baseline);
  Report("encoding_save_utf8", mb, save, baseline);
  Report("encoding_load_codepage", mb, loadPage, baseline);
  return 0;
}
