// The Polish collation table of the Mazovia code page.
#include "host/text/collation.h"

#include <array>

namespace skolvarin::text {
namespace {

struct RankTable {
  std::array<unsigned char, 256> rank{};

  RankTable() {
    std::array<bool, 256> placed{};
    int next = 1;
    auto put = [&](int byte) {
      rank[byte] = static_cast<unsigned char>(next++);
      placed[byte] = true;
    };
    rank[0] = 1;  // NUL pads like a blank
    placed[0] = true;
    put(' ');
    for (int b = 0x01; b <= 0x1F; ++b) put(b);
    for (int b = 0x21; b <= 0x40; ++b) put(b);
    // Polish letters after their base letter, upper case then lower case.
    // Mazovia: Ą 8F Ć 95 Ę 90 Ł 9C Ń A5 Ó A3 Ś 98 Ź A0 Ż A1,
    //          ą 86 ć 8D ę 91 ł 92 ń A4 ó A2 ś 9E ź A6 ż A7.
    auto alphabet = [&](char first, std::array<std::pair<char, std::array<int, 2>>, 7> after) {
      for (int i = 0; i < 26; ++i) {
        const char letter = static_cast<char>(first + i);
        put(static_cast<unsigned char>(letter));
        for (const auto& [base, extra] : after) {
          if (base != letter) continue;
          for (int e : extra) {
            if (e) put(e);
          }
        }
      }
    };
    alphabet('A', {{{'A', {0x8F, 0}}, {'C', {0x95, 0}}, {'E', {0x90, 0}}, {'L', {0x9C, 0}},
                    {'N', {0xA5, 0}}, {'O', {0xA3, 0}}, {'S', {0x98, 0}}}});
    put(0xA0);  // Ź
    put(0xA1);  // Ż
    for (int b = 0x5B; b <= 0x60; ++b) put(b);
    alphabet('a', {{{'a', {0x86, 0}}, {'c', {0x8D, 0}}, {'e', {0x91, 0}}, {'l', {0x92, 0}},
                    {'n', {0xA4, 0}}, {'o', {0xA2, 0}}, {'s', {0x9E, 0}}}});
    put(0xA6);  // ź
    put(0xA7);  // ż
    for (int b = 0x7B; b <= 0xFF; ++b) {
      if (!placed[b]) put(b);
    }
  }
};

const RankTable& table() {
  static const RankTable t;
  return t;
}

}  // namespace

unsigned char collation_rank(unsigned char mazovia_byte) { return table().rank[mazovia_byte]; }

void collate_in_place(char* bytes, size_t n) {
  const auto& r = table().rank;
  for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<char>(r[static_cast<unsigned char>(bytes[i])]);
}

std::string collation_key(std::string_view mazovia) {
  std::string out(mazovia);
  collate_in_place(out.data(), out.size());
  return out;
}

int collate_compare(std::string_view a, std::string_view b) {
  const auto& r = table().rank;
  const size_t n = a.size() > b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    const int ra = r[i < a.size() ? static_cast<unsigned char>(a[i]) : ' '];
    const int rb = r[i < b.size() ? static_cast<unsigned char>(b[i]) : ' '];
    if (ra != rb) return ra < rb ? -1 : 1;
  }
  return 0;
}

}  // namespace skolvarin::text
