#include "astro/places/fold_text.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

namespace zentara::places {

namespace {

// What each character folds to, one row for each result. The Latin rows are the
// letters of Latin-1, Latin Extended-A and -B and Latin Extended Additional
// whose Unicode decomposition is an ASCII letter with marks, and the letters
// with strokes, hooks and ligatures that have no decomposition, spelt as the
// languages that use them transliterate them.
struct FoldRow {
  std::string_view folded;
  std::string_view characters;  // UTF-8
};

constexpr FoldRow FoldRows[] = {
    {"a", "ÀÁÂÃÄÅàáâãäåĀāĂăĄąǍǎǞǟǠǡǺǻȀȁȂȃȦȧȺḀḁẚẠạẢảẤấẦầẨẩẪẫẬậẮắẰằẲẳẴẵẶặ"},
    {"ae", "ÆæǢǣǼǽ"},
    {"b", "ƀƁƂƃɃḂḃḄḅḆḇ"},
    {"c", "ÇçĆćĈĉĊċČčƇƈȻȼḈḉ"},
    {"d", "ÐðĎďĐđƉƊƋƌȡḊḋḌḍḎḏḐḑḒḓẟ"},
    {"dz", "ǄǅǆǱǲǳ"},
    {"e", "ÈÉÊËèéêëĒēĔĕĖėĘęĚěƎǝƏəƐɛȄȅȆȇȨȩɆɇḔḕḖḗḘḙḚḛḜḝẸẹẺẻẼẽẾếỀềỂểỄễỆệ"},
    {"f", "ƑƒḞḟ"},
    {"g", "ĜĝĞğĠġĢģƓǤǥǦǧǴǵḠḡ"},
    {"h", "ĤĥĦħȞȟḢḣḤḥḦḧḨḩḪḫẖ"},
    {"i", "ÌÍÎÏìíîïĨĩĪīĬĭĮįİıƗǏǐȈȉȊȋḬḭḮḯỈỉỊị"},
    {"ij", "Ĳĳ"},
    {"j", "ĴĵǰȷɈɉ"},
    {"k", "ĶķĸƘƙǨǩḰḱḲḳḴḵ"},
    {"l", "ĹĺĻļĽľĿŀŁłƚȴȽḶḷḸḹḺḻḼḽ"},
    {"lj", "Ǉǈǉ"},
    {"ll", "Ỻỻ"},
    {"m", "ḾḿṀṁṂṃ"},
    {"n", "ÑñŃńŅņŇňŉŊŋƝƞǸǹȵṄṅṆṇṈṉṊṋ"},
    {"nj", "Ǌǋǌ"},
    {"o", "ÒÓÔÕÖØòóôõöøŌōŎŏŐőƆɔƟƠơǑǒǪǫǬǭǾǿȌȍȎȏȪȫȬȭȮȯȰȱṌṍṎṏṐṑṒṓỌọỎỏỐốỒồỔổỖỗỘộỚớỜờỞởỠỡỢợ"},
    {"oe", "Œœ"},
    {"p", "ƤƥṔṕṖṗ"},
    {"q", "Ɋɋ"},
    {"r", "ŔŕŖŗŘřȐȑȒȓɌɍṘṙṚṛṜṝṞṟ"},
    {"s", "ŚśŜŝŞşŠšſȘșȿṠṡṢṣṤṥṦṧṨṩẛẜẝ"},
    {"ss", "ßẞ"},
    {"t", "ŢţŤťŦŧƫƬƭƮȚțȶȾṪṫṬṭṮṯṰṱẗ"},
    {"th", "Þþ"},
    {"u", "ÙÚÛÜùúûüŨũŪūŬŭŮůŰűŲųƯưǓǔǕǖǗǘǙǚǛǜȔȕȖȗɄṲṳṴṵṶṷṸṹṺṻỤụỦủỨứỪừỬửỮữỰự"},
    {"v", "ƲṼṽṾṿ"},
    {"w", "ŴŵẀẁẂẃẄẅẆẇẈẉẘ"},
    {"x", "ẊẋẌẍ"},
    {"y", "ÝýÿŶŷŸƳƴȲȳɎɏẎẏẙỲỳỴỵỶỷỸỹ"},
    {"z", "ŹźŻżŽžƵƶȤȥɀẐẑẒẓẔẕ"},
    {" ", "-\u00a0\u2010\u2011\u2012\u2013\u2014"},                         // word separators
    {"", "'.`\u02b9\u02bb\u02bc\u02bd\u02be\u02bf\u2018\u2019"},             // apostrophes and marks
};

// Reads one UTF-8 character at `at` and moves past it; nothing (and one byte
// skipped) for a byte that does not start a well-formed character.
constexpr std::optional<char32_t> ReadCharacter(std::string_view text, std::size_t& at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                                       : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
  if (length == 0 || at + length > text.size()) {
    ++at;
    return std::nullopt;
  }
  char32_t code = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) {
      ++at;
      return std::nullopt;
    }
    code = (code << 6) | (byte(at + i) & 0x3F);
  }
  const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
  if (overlong || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) {
    ++at;
    return std::nullopt;
  }
  at += length;
  return code;
}

struct Folding {
  char32_t character;
  std::string_view folded;
};

constexpr std::size_t FoldingCount() {
  std::size_t count = 0;
  for (const FoldRow& row : FoldRows) {
    for (std::size_t at = 0; at < row.characters.size();) count += ReadCharacter(row.characters, at) ? 1 : 0;
  }
  return count;
}

// Every folded character with its result, sorted by character for a binary search.
constexpr auto Foldings = [] {
  std::array<Folding, FoldingCount()> foldings{};
  std::size_t next = 0;
  for (const FoldRow& row : FoldRows) {
    for (std::size_t at = 0; at < row.characters.size();) {
      if (const auto character = ReadCharacter(row.characters, at)) foldings[next++] = {*character, row.folded};
    }
  }
  std::sort(foldings.begin(), foldings.end(),
            [](const Folding& a, const Folding& b) { return a.character < b.character; });
  return foldings;
}();

static_assert(std::adjacent_find(Foldings.begin(), Foldings.end(), [](const Folding& a, const Folding& b) {
                return a.character == b.character;
              }) == Foldings.end(), "a character stands in two rows");

const Folding* FindFolding(char32_t character) {
  const auto found = std::lower_bound(Foldings.begin(), Foldings.end(), character,
                                      [](const Folding& f, char32_t c) { return f.character < c; });
  return found != Foldings.end() && found->character == character ? &*found : nullptr;
}

void AppendFolded(std::string& out, std::string_view piece) {
  for (const char c : piece) {
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
      if (!out.empty() && out.back() != ' ') out += ' ';
    } else {
      out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
  }
}

}  // namespace

std::string FoldForSearch(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t start = at;
    const auto character = ReadCharacter(text, at);
    if (!character) continue;
    if (const Folding* folding = FindFolding(*character)) {
      AppendFolded(out, folding->folded);
    } else {
      AppendFolded(out, text.substr(start, at - start));
    }
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

bool IsLatinScript(std::string_view text) {
  const std::string folded = FoldForSearch(text);
  return std::all_of(folded.begin(), folded.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace zentara::places
