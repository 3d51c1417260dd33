// The value rules on texts built from the pieces that numbers are written with, held to the oracle's
// reading in every notation the program supports.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/core/value_rules_check.h"

namespace tarvex {
namespace {

// The places of a number in the order a number has them, each with how often (in percent) a
// generated text fills it and the pieces that may stand there.
struct Place {
  unsigned percent;
  std::vector<std::u16string> pieces;
};
const std::vector<Place> kPlaces = {
    {30, {u" ", u"\t", u"\r", u"\n", u"\u00A0"}},                                   // blanks before
    {20, {u"$", u"€", u"kr", u"CHF", u"$ ", u"€\u00A0"}},                           // currency symbols
    {40, {u"+", u"-", u"("}},                                                       // signs
    {20, {u"$", u"€", u"kr", u" "}},                                                // currency after the sign
    {10, {u"&H", u"&h", u"&O", u"&o", u"&"}},                                       // radix prefixes
    {80, {u"0", u"1", u"7", u"12", u"345", u"1234", u"1F", u"12345678901234567"}},  // digits
    {40, {u",", u".", u"\u00A0", u"\u202F", u"\u2019", u" "}},                      // grouping marks
    {50, {u"000", u"345", u"12", u"5678", u"ff"}},                                  // a group
    {20, {u",", u".", u"\u00A0", u"\u202F", u"\u2019"}},                            // another grouping mark
    {60, {u"000", u"345", u"7"}},                                                   // another group
    {40, {u".", u","}},                                                             // decimal separators
    {50, {u"5", u"25", u"000", u"3333333333333333"}},                               // fraction digits
    {25, {u"e", u"E", u"e+", u"E-", u"e-", u"D"}},                                  // exponents
    {70, {u"3", u"15", u"308", u"400", u"-2"}},                                     // exponent digits
    {25, {u"%", u"&", u"!", u"#", u"@", u"abc", u"x", u"-", u"(", u"$", u" €", u"\u00A0kr", u"CHF"}},  // after it
    {30, {u" ", u"\t", u"\n", u"\r", u" 2"}},                                                          // blanks after
};

// Every text of up to three of these: the short corners of the grammar, all of them.
const std::vector<std::u16string> kShortPieces = {u"-", u"(",  u"1", u"12", u"000", u".",  u",",
                                                  u"e", u"E-", u"$", u" ",  u"&H",  u"&o", u"a"};

// The short texts, then near misses of a number: texts that fill each place or leave it empty, now
// and then with a piece of another place.
std::vector<std::u16string> generated_texts() {
  std::vector<std::u16string> texts = {u""};
  for (const auto& a : kShortPieces) {
    texts.push_back(a);
    for (const auto& b : kShortPieces) {
      texts.push_back(a + b);
      for (const auto& c : kShortPieces) texts.push_back(a + b + c);
    }
  }
  std::vector<std::u16string> pieces;
  for (const Place& place : kPlaces) pieces.insert(pieces.end(), place.pieces.begin(), place.pieces.end());
  std::mt19937 random(28);
  for (int n = 0; n < 3000; ++n) {
    std::u16string text;
    for (const Place& place : kPlaces) {
      if (random() % 100 >= place.percent) continue;
      const auto& from = random() % 20 == 0 ? pieces : place.pieces;
      text += from[random() % from.size()];
    }
    texts.push_back(text);
  }
  return texts;
}

TEST(ValueRules, ReadGeneratedTextsAsTheOracleDoesInEveryNotation) {
  const auto texts = generated_texts();
  std::size_t numeric = 0;
  for (const auto& text : texts) {
    if (const auto difference = oracle::difference_from_oracle(text)) ADD_FAILURE() << *difference;
    for (const NumberNotation& notation : supported_notations())
      numeric += oracle::numeric_value(text, notation).has_value();
  }
  // Near misses are the point, but enough of the texts must be numbers for their values to be compared.
  EXPECT_GT(numeric, texts.size() / 4);
}

}  // namespace
}  // namespace tarvex
