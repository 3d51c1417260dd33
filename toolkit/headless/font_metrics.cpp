#include "toolkit/headless/font_metrics.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "toolkit/units.h"

namespace tarvex {

namespace {

// Advance widths in 1/64 pixel of the printable ASCII characters and of Ω and ™, made by
// tools/font_table.cpp from the sans serif that the Qt windows draw.
struct SizeTable {
  int pixels;
  bool bold;
  std::array<int, 95> ascii;
  std::array<int, 2> extra;
};

constexpr SizeTable kTables[] = {
    // DejaVu Sans, 8 px
    {8,
     false,
     {162, 205, 235, 429, 325, 486, 399, 140, 199, 199, 256, 429, 162, 184, 162, 172, 325, 325, 325,
      325, 325, 325, 325, 325, 325, 325, 172, 172, 429, 429, 429, 271, 512, 350, 351, 357, 394, 323,
      294, 396, 385, 151, 151, 335, 285, 441, 383, 403, 308, 403, 355, 325, 312, 374, 350, 506, 350,
      312, 350, 199, 172, 199, 429, 256, 256, 313, 325, 281, 325, 315, 180, 325, 324, 142, 142, 296,
      142, 498, 324, 313, 325, 325, 210, 266, 200, 324, 303, 418, 303, 303, 268, 325, 172, 325, 429},
     {391, 512}},
    // DejaVu Sans, 11 px
    {11,
     false,
     {223, 282, 323, 589, 447, 668, 548, 193, 274, 274, 352, 589, 223, 254, 223, 237, 447, 447, 447,
      447, 447, 447, 447, 447, 447, 447, 237, 237, 589, 589, 589, 373, 704, 481, 482, 491, 542, 444,
      404, 545, 529, 207, 207, 461, 392, 607, 526, 554, 424, 554, 489, 446, 430, 515, 481, 696, 482,
      430, 482, 274, 237, 274, 589, 352, 352, 431, 446, 387, 446, 433, 247, 446, 446, 195, 195, 407,
      195, 685, 446, 430, 446, 446, 289, 366, 276, 446, 416, 575, 416, 416, 369, 447, 237, 447, 589},
     {537, 704}},
    // DejaVu Sans, 11 px, bold
    {11,
     true,
     {245, 321, 366, 589, 489, 705, 613, 215, 321, 321, 368, 589, 267, 292, 267, 257, 489, 489, 489,
      489, 489, 489, 489, 489, 489, 489, 281, 281, 589, 589, 589, 408, 704, 544, 536, 516, 584, 480,
      480, 577, 589, 261, 261, 545, 448, 700, 589, 598, 515, 598, 542, 507, 480, 571, 544, 776, 542,
      509, 510, 321, 257, 321, 589, 352, 352, 475, 503, 417, 503, 477, 306, 503, 501, 241, 241, 468,
      241, 733, 501, 483, 503, 503, 347, 419, 336, 501, 458, 650, 454, 458, 409, 501, 257, 501, 589},
     {598, 704}},
    // DejaVu Sans, 16 px, bold
    {16,
     true,
     {356, 467,  533, 858, 712, 1026, 893, 313,  468, 468, 535, 858, 389, 425,  389, 374, 712, 712,  712,
      712, 712,  712, 712, 712, 712,  712, 409,  409, 858, 858, 858, 594, 1024, 792, 780, 751, 850,  699,
      699, 840,  857, 381, 381, 793,  652, 1019, 857, 870, 750, 870, 788, 737,  698, 831, 792, 1129, 789,
      741, 742,  468, 374, 468, 858,  512, 512,  691, 733, 607, 733, 694, 445,  733, 729, 351, 351,  681,
      351, 1067, 729, 703, 733, 733,  505, 609,  489, 729, 667, 946, 660, 667,  596, 729, 374, 729,  858},
     {870, 1024}},
    // DejaVu Sans, 32 px
    {32,
     false,
     {651,  821,  942,  1716, 1303, 1946, 1597, 563,  799,  799,  1024, 1716, 651,  739,  651,  690,  1303, 1303, 1303,
      1303, 1303, 1303, 1303, 1303, 1303, 1303, 690,  690,  1716, 1716, 1716, 1087, 2048, 1401, 1405, 1430, 1577, 1294,
      1178, 1587, 1540, 604,  604,  1343, 1141, 1767, 1532, 1612, 1235, 1612, 1423, 1300, 1251, 1499, 1401, 2025, 1403,
      1251, 1403, 799,  690,  799,  1716, 1024, 1024, 1255, 1300, 1126, 1300, 1260, 721,  1300, 1298, 569,  569,  1186,
      569,  1995, 1298, 1253, 1300, 1300, 842,  1067, 803,  1298, 1212, 1675, 1212, 1212, 1075, 1303, 690,  1303, 1716},
     {1565, 2048}},
    // DejaVu Sans, 37 px
    {37,
     false,
     {752,  949,  1089, 1984, 1506, 2250, 1846, 650,  923,  923,  1184, 1984, 752,  854,  752,  797,  1506, 1506, 1506,
      1506, 1506, 1506, 1506, 1506, 1506, 1506, 797,  797,  1984, 1984, 1984, 1256, 2368, 1619, 1624, 1653, 1823, 1496,
      1362, 1834, 1780, 698,  698,  1552, 1319, 2043, 1771, 1863, 1427, 1863, 1645, 1503, 1446, 1733, 1619, 2341, 1622,
      1446, 1622, 923,  797,  923,  1984, 1184, 1184, 1451, 1503, 1301, 1503, 1456, 833,  1503, 1500, 657,  657,  1371,
      657,  2306, 1500, 1448, 1503, 1503, 973,  1233, 928,  1500, 1401, 1936, 1401, 1401, 1242, 1506, 797,  1506, 1984},
     {1809, 2368}},
};

constexpr char16_t kExtraCharacters[] = {u'Ω', u'™'};

int advance(const SizeTable& table, char16_t c) {
  if (c >= 0x20 && c < 0x7F) return table.ascii[c - 0x20];
  for (std::size_t i = 0; i < std::size(kExtraCharacters); ++i) {
    if (c == kExtraCharacters[i]) return table.extra[i];
  }
  return table.ascii[u'?' - 0x20];  // characters the windows never show in self-sizing labels
}

// The table of the pixel size and weight, or the nearest one of that weight, scaled.
double width_in_pixels(int pixels, bool bold, std::u16string_view text) {
  // A table of the other weight only serves when none of the same weight exists.
  const auto distance = [&](const SizeTable& table) {
    return (table.bold == bold ? 0 : 1000) + std::abs(table.pixels - pixels);
  };
  const SizeTable* best = &kTables[0];
  for (const SizeTable& table : kTables) {
    if (distance(table) < distance(*best)) best = &table;
  }
  long sum = 0;
  for (char16_t c : text) sum += advance(*best, c);
  return sum / 64.0 * pixels / best->pixels;
}

}  // namespace

float measured_width_twips(const Font& font, std::u16string_view text) {
  return whole_pixel_width(width_in_pixels(font_pixels(font.size), font.bold, text));
}

const TextMeasure& headless_text_measure() {
  static const TextMeasure measure{
      [](const Font& font, std::u16string_view text) { return measured_width_twips(font, text) / kTwipsPerPixel; },
      [](const Font& font) { return static_cast<float>(std::ceil(font_pixels(font.size) * 1.17)); }};
  return measure;
}

}  // namespace tarvex
