// ProvinceName and CountryZoneText: known codes, characters that are not digits, short texts, the
// lookups over small made-up tables, the integrity of the place tables, and sweeps over every
// two-byte and three-byte text.
#include "tables/places.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tables/place_data.h"
#include "tables/place_lookup.h"

namespace idcheck {
namespace {

constexpr char kNoCountry[] =
    "Error C\xF3"
    "digo Pais";
constexpr char kNoZone[] =
    "Error C\xF3"
    "digo Zona";

// The non-ASCII bytes that place names may hold: accented letters of code page 1252 and the
// right single quotation mark.
constexpr std::string_view kAccentedBytes =
    "\xC1\xC9\xCD\xD1\xD3\xDA\xE1\xE7\xE9\xED\xF1\xF3\xFA\xFC\x92";

// What a byte counts in a code: the byte as a signed 8-bit character, less the code of '0'.
int ByteCount(unsigned char byte) { return static_cast<std::int8_t>(byte) - '0'; }

// The province by a scan of the stored rows, or the empty text.
std::string ScannedProvince(int code) {
  for (const ProvinceRow& row : PROVINCE_TABLE) {
    if (row.code == code) return std::string(row.name);
  }
  return std::string();
}

// "zone, country" by scans of the stored rows, or one of the two error texts.
std::string ScannedCountryZone(int code) {
  for (const CountryRow& country : COUNTRY_TABLE) {
    if (country.code != code) continue;
    for (const ZoneRow& zone : ZONE_TABLE) {
      if (zone.code == country.zone) {
        return std::string(zone.name) + ", " + std::string(country.name);
      }
    }
    return kNoZone;
  }
  return kNoCountry;
}

bool IsPlaceNameByte(char c) {
  return (c >= ' ' && c <= '~') || kAccentedBytes.find(c) != std::string_view::npos;
}

TEST(ProvinceNameTest, NamesTheProvinceOfTheFirstTwoCharacters) {
  // clang-format off
  struct Case {
    std::string_view code;
    const char* name;
  } kCases[] = {
      {"28", "Madrid"},
      {"80", "Madrid"},
      {"07", "Illes Balears"},
      {"99", "Zaragoza"},
      {"01", "Alava"},
      {"52", "Melilla"},
      {"53", "Alicante"},
      {"64", "Barcelona"},
      {"70", "A Coru\xF1" "a"},
      {"91", "Sevilla"},
      {"04", "Almer\xED" "a"},
      {"05", "\xC1vila"},
      {"11", "C\xE1" "diz"},
      {"12", "Castell\xF3n"},
      {"14", "C\xF3rdoba"},
      {"20", "Guip\xFAzcoa"},
      {"23", "Ja\xE9n"},
      {"24", "Le\xF3n"},
      {"29", "M\xE1laga"},
      {"38", "Santa Cruz de Tenerife"},
      {"280", "Madrid"},
      {"07 Palma", "Illes Balears"},
      {"00", ""},
      {"65", ""},
      {"69", ""},
      {"85", ""},
      {"90", ""},
  };
  // clang-format on
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(ProvinceName(c.code), c.name);
  }
}

TEST(ProvinceNameTest, CountsEveryByteAsASigned8BitValueLess48) {
  // clang-format off
  struct Case {
    std::string_view code;
    const char* name;
  } kCases[] = {
      {"0:", "C\xE1" "ceres"},         // 0 * 10 + 10
      {"1:", "Guip\xFAzcoa"},          // 10 + 10
      {"2/", "Guadalajara"},           // 20 - 1
      {"6\xFF", "C\xE1" "diz"},        // 60 - 49
      {"A\x90", "C\xE1" "ceres"},      // 170 - 160
      {"/9", ""},                      // -10 + 9
      {"\xFF" "0", ""},                // -490
      {"7\x80", ""},                   // 70 - 176
  };
  // clang-format on
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(ProvinceName(c.code), c.name);
  }
}

TEST(ProvinceNameTest, GivesTheEmptyTextForTextsShorterThanTwo) {
  const std::string_view kCodes[] = {std::string_view(), std::string_view("28", 0),
                                     std::string_view("28", 1), std::string_view("7")};
  for (std::string_view code : kCodes) {
    SCOPED_TRACE(code);
    EXPECT_EQ(ProvinceName(code), "");
  }
}

TEST(CountryZoneTextTest, NamesZoneAndCountryOfTheFirstThreeCharacters) {
  // clang-format off
  struct Case {
    std::string_view code;
    const char* text;
  } kCases[] = {
      {"011", "EUROPA, ESPA\xD1" "A"},
      {"930", "OTROS, BANCO CENTRAL EUROPEO"},
      {"107", "AUSTRALIA, OCEAN\xCD" "A Y OTROS TERRITORIOS, ISLAS COOK"},
      {"958", "EUROPA, EUROPA OTROS PA\xCDSES O TERRITORIOS NO RELACIONADOS"},
      {"001",
       "EUROPA, FRANCIA Incluidos los departamentos franceses de ultramar: Reuni\xF3n, Guadalupe, "
       "Martinica y Guayana Francesa"},
      {"003", "EUROPA, PA\xCDSES BAJOS"},
      {"039",
       "EUROPA, SUIZA Incluidos el territorio alem\xE1n de B\xFCsingen y el municipio italiano de "
       "Campione d\x92Italia"},
      {"204", "\xC1" "FRICA, MARRUECOS"},
      {"395", "\xC1" "FRICA, LESOTHO"},
      {"400", "AM\xC9RICA, ESTADOS UNIDOS DE AM\xC9RICA"},
      {"478",
       "AM\xC9RICA, ANTILLAS NEERLANDESAS Cura\xE7" "ao, Bonaire, San Eustaquio, Saba y la parte "
       "sur de San Mart\xEDn"},
      {"600", "\xC1SIA, CHIPRE"},
      {"647",
       "\xC1SIA, EMIRATOS \xC1RABES UNIDOS Abu Dhabi, Dubai, Sharja, Ajman, Umm al Q\x92" "aiwan, "
       "Ras al Khayma y Fujairah"},
      {"809",
       "AUSTRALIA, OCEAN\xCD" "A Y OTROS TERRITORIOS, NUEVA CALEDONIA Y DEPENDENCIAS "
       "Dependenciads de Nueva Caledonia: Isla de Pins, Islas Loyaut\xE9, Huon, Belep, "
       "Cherterfield e isla Walpole"},
      {"819", "AUSTRALIA, OCEAN\xCD" "A Y OTROS TERRITORIOS, SAMOA OCCIDENTAL"},
      {"910", "OTROS, INSTITUCIONES DE LA UNI\xD3N EUROPEA"},
      {"0110", "EUROPA, ESPA\xD1" "A"},
      {"011 Madrid", "EUROPA, ESPA\xD1" "A"},
  };
  // clang-format on
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(CountryZoneText(c.code), c.text);
  }
}

TEST(CountryZoneTextTest, GivesErrorCodigoPaisForCodesWithoutACountry) {
  const std::string_view kCodes[] = {"000", "002", "999", "012", "071", "931", "959", "105"};
  for (std::string_view code : kCodes) {
    SCOPED_TRACE(code);
    EXPECT_EQ(CountryZoneText(code), kNoCountry);
  }
}

TEST(CountryZoneTextTest, CountsEveryByteAsASigned8BitValueLess48) {
  // clang-format off
  struct Case {
    std::string_view code;
    const char* text;
  } kCases[] = {
      {"00:", "EUROPA, PORTUGAL Incluidas las Azores y Madeira"},  // 10
      {"0:1", "EUROPA, M\xD3NACO"},                                // 100 + 1
      {"/:1",
       "EUROPA, FRANCIA Incluidos los departamentos franceses de ultramar: Reuni\xF3n, Guadalupe, "
       "Martinica y Guayana Francesa"},  // -100 + 100 + 1
      {"15\xFF", "EUROPA, M\xD3NACO"},    // 150 - 49
      {"1/7", kNoCountry},               // 100 - 10 + 7
      {"\x80" "00", kNoCountry},         // -17600
  };
  // clang-format on
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(CountryZoneText(c.code), c.text);
  }
}

TEST(CountryZoneTextTest, GivesErrorCodigoPaisForTextsShorterThanThree) {
  const std::string_view kCodes[] = {std::string_view(), std::string_view("011", 0),
                                     std::string_view("011", 1), std::string_view("011", 2)};
  for (std::string_view code : kCodes) {
    SCOPED_TRACE(code);
    EXPECT_EQ(CountryZoneText(code), kNoCountry);
  }
}

// Made-up tables with repeated codes, a missing zone and a row holding the end code.
constexpr ProvinceRow kMadeUpProvinces[] = {
    {3, "THREE"}, {3, "LATER THREE"}, {END_CODE, "END"}, {4, "AFTER THE END"}};
constexpr ZoneRow kMadeUpZones[] = {
    {1, "ONE"}, {2, "TWO"}, {1, "LATER ONE"}, {END_CODE, "END"}, {3, "AFTER THE END"}};
constexpr CountryRow kMadeUpCountries[] = {
    {5, "FIVE", 1}, {6, "SIX", 7},     {5, "LATER FIVE", 2}, {8, "EIGHT", END_CODE},
    {9, "NINE", 3}, {11, "ELEVEN", 2}, {END_CODE, "END", 1}, {10, "AFTER THE END", 1}};

TEST(ProvinceNameInTest, TakesTheFirstRowAndStopsAtTheEndCode) {
  const RowSpan<ProvinceRow> provinces{kMadeUpProvinces, std::size(kMadeUpProvinces)};
  struct Case {
    std::string_view code;
    const char* name;
  } kCases[] = {{"03", "THREE"}, {"04", ""}, {"00", ""}, {"05", ""}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(ProvinceNameIn(provinces, c.code), c.name);
  }
}

TEST(CountryZoneTextInTest, ReportsAMissingZoneAndStopsAtTheEndCode) {
  const RowSpan<CountryRow> countries{kMadeUpCountries, std::size(kMadeUpCountries)};
  const RowSpan<ZoneRow> zones{kMadeUpZones, std::size(kMadeUpZones)};
  struct Case {
    std::string_view code;
    const char* text;
  } kCases[] = {
      {"005", "ONE, FIVE"}, {"011", "TWO, ELEVEN"}, {"006", kNoZone},    {"008", kNoZone},
      {"009", kNoZone},     {"010", kNoCountry},    {"000", kNoCountry}, {"007", kNoCountry},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(CountryZoneTextIn(countries, zones, c.code), c.text);
  }
}

TEST(ProvinceTableTest, Holds88RowsWithCodes1To64And70To84And91To99) {
  std::set<std::int32_t> expected;
  for (std::int32_t code = 1; code <= 99; ++code) {
    if (!(code >= 65 && code <= 69) && !(code >= 85 && code <= 90)) expected.insert(code);
  }
  std::set<std::int32_t> codes;
  for (const ProvinceRow& row : PROVINCE_TABLE) codes.insert(row.code);
  EXPECT_EQ(PROVINCE_TABLE.size(), 88u);
  EXPECT_EQ(codes.size(), PROVINCE_TABLE.size());
  EXPECT_EQ(codes, expected);
}

TEST(ProvinceTableTest, MainCodes1To52AscendWithDistinctNames) {
  std::vector<std::int32_t> main_codes;
  std::set<std::string_view> main_names;
  std::set<std::string_view> all_names;
  for (const ProvinceRow& row : PROVINCE_TABLE) {
    all_names.insert(row.name);
    if (row.code > 52) continue;
    main_codes.push_back(row.code);
    main_names.insert(row.name);
  }
  std::vector<std::int32_t> expected(52);
  for (std::size_t i = 0; i < expected.size(); ++i) expected[i] = static_cast<std::int32_t>(i) + 1;
  EXPECT_EQ(main_codes, expected);
  EXPECT_EQ(main_names.size(), 52u);
  EXPECT_EQ(all_names, main_names);
}

TEST(ProvinceTableTest, EachFurtherCodeStandsAfterItsProvincesMainCode) {
  const ProvinceRow* main_row = nullptr;
  for (const ProvinceRow& row : PROVINCE_TABLE) {
    if (row.code <= 52) {
      main_row = &row;
      continue;
    }
    SCOPED_TRACE(row.code);
    ASSERT_NE(main_row, nullptr);
    EXPECT_EQ(row.name, main_row->name);
  }
}

TEST(ProvinceTableTest, FurtherCodesNameTheProvinceOfTheirMainCode) {
  struct Case {
    std::string_view further;
    std::string_view main;
  } kCases[] = {
      {"53", "03"}, {"54", "03"}, {"57", "07"}, {"58", "08"}, {"59", "08"}, {"60", "08"},
      {"61", "08"}, {"62", "08"}, {"63", "08"}, {"64", "08"}, {"72", "11"}, {"56", "14"},
      {"70", "15"}, {"55", "17"}, {"71", "20"}, {"78", "28"}, {"79", "28"}, {"80", "28"},
      {"81", "28"}, {"82", "28"}, {"83", "28"}, {"84", "28"}, {"92", "29"}, {"93", "29"},
      {"73", "30"}, {"74", "33"}, {"76", "35"}, {"94", "36"}, {"75", "38"}, {"91", "41"},
      {"77", "43"}, {"96", "46"}, {"97", "46"}, {"98", "46"}, {"95", "48"}, {"99", "50"},
  };
  std::size_t further_rows = 0;
  for (const ProvinceRow& row : PROVINCE_TABLE) {
    if (row.code > 52) ++further_rows;
  }
  EXPECT_EQ(further_rows, std::size(kCases));
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.further);
    EXPECT_NE(ProvinceName(c.main), "");
    EXPECT_EQ(ProvinceName(c.further), ProvinceName(c.main));
  }
}

TEST(ZoneTableTest, HoldsZones1To6InOrder) {
  // clang-format off
  struct Case {
    std::int32_t code;
    const char* name;
  } kCases[] = {
      {1, "EUROPA"},
      {2, "\xC1" "FRICA"},
      {3, "AM\xC9RICA"},
      {4, "\xC1SIA"},
      {5, "AUSTRALIA, OCEAN\xCD" "A Y OTROS TERRITORIOS"},
      {6, "OTROS"},
  };
  // clang-format on
  ASSERT_EQ(ZONE_TABLE.size(), std::size(kCases));
  for (std::size_t i = 0; i < std::size(kCases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(ZONE_TABLE[i].code, kCases[i].code);
    EXPECT_EQ(ZONE_TABLE[i].name, kCases[i].name);
  }
}

TEST(CountryTableTest, Holds234RowsGroupedByExistingZones) {
  std::map<std::int32_t, std::size_t> rows_by_zone;
  std::int32_t previous_zone = 0;
  for (const CountryRow& row : COUNTRY_TABLE) {
    SCOPED_TRACE(row.code);
    EXPECT_GE(row.zone, previous_zone);
    previous_zone = row.zone;
    ++rows_by_zone[row.zone];
  }
  std::set<std::int32_t> zones;
  for (const ZoneRow& zone : ZONE_TABLE) zones.insert(zone.code);
  for (const auto& entry : rows_by_zone) EXPECT_EQ(zones.count(entry.first), 1u) << entry.first;
  EXPECT_EQ(COUNTRY_TABLE.size(), 234u);
  const std::map<std::int32_t, std::size_t> kRowsByZone = {{1, 58}, {2, 57}, {3, 49},
                                                           {4, 42}, {5, 25}, {6, 3}};
  EXPECT_EQ(rows_by_zone, kRowsByZone);
}

TEST(CountryTableTest, Code958ClosesEachOfZones1To5) {
  std::vector<std::size_t> rows_of_958;
  std::vector<std::size_t> last_rows_of_zones;
  for (std::size_t i = 0; i < COUNTRY_TABLE.size(); ++i) {
    const CountryRow& row = COUNTRY_TABLE[i];
    if (row.code == 958) rows_of_958.push_back(i);
    const bool last_of_zone =
        i + 1 == COUNTRY_TABLE.size() || COUNTRY_TABLE[i + 1].zone != row.zone;
    if (last_of_zone && row.zone != 6) last_rows_of_zones.push_back(i);
  }
  EXPECT_EQ(rows_of_958.size(), 5u);
  EXPECT_EQ(rows_of_958, last_rows_of_zones);
  for (std::size_t i : rows_of_958) {
    const CountryRow& row = COUNTRY_TABLE[i];
    SCOPED_TRACE(row.zone);
    ASSERT_GE(row.zone, 1);
    ASSERT_LE(row.zone, 5);
    EXPECT_EQ(row.name, std::string(ZONE_TABLE[row.zone - 1].name) +
                            " OTROS PA\xCDSES O TERRITORIOS NO RELACIONADOS");
  }
}

TEST(CountryTableTest, Code107StandsInZone5Between819And820) {
  std::vector<std::size_t> rows_of_107;
  for (std::size_t i = 0; i < COUNTRY_TABLE.size(); ++i) {
    if (COUNTRY_TABLE[i].code == 107) rows_of_107.push_back(i);
  }
  ASSERT_EQ(rows_of_107.size(), 1u);
  const std::size_t i = rows_of_107.front();
  ASSERT_GT(i, 0u);
  ASSERT_LT(i + 1, COUNTRY_TABLE.size());
  EXPECT_EQ(COUNTRY_TABLE[i].zone, 5);
  EXPECT_EQ(COUNTRY_TABLE[i - 1].code, 819);
  EXPECT_EQ(COUNTRY_TABLE[i + 1].code, 820);
}

TEST(CountryTableTest, OtherCodesAscendWithinTheirZoneAndOccurOnce) {
  std::map<std::int32_t, int> occurrences;
  const CountryRow* previous = nullptr;
  for (const CountryRow& row : COUNTRY_TABLE) {
    ++occurrences[row.code];
    if (row.code == 107) continue;
    if (previous != nullptr && previous->zone == row.zone) {
      EXPECT_LT(previous->code, row.code) << "zone " << row.zone;
    }
    previous = &row;
  }
  for (const auto& entry : occurrences) {
    EXPECT_EQ(entry.second, entry.first == 958 ? 5 : 1) << entry.first;
  }
}

TEST(PlaceTablesTest, NamesHoldOnlyPrintableAsciiAndCodePage1252Letters) {
  std::set<std::int32_t> countries_with_quote;
  for (const CountryRow& row : COUNTRY_TABLE) {
    SCOPED_TRACE(row.code);
    EXPECT_FALSE(row.name.empty());
    for (char c : row.name) EXPECT_TRUE(IsPlaceNameByte(c)) << static_cast<int>(c);
    if (row.name.find('\x92') != std::string_view::npos) countries_with_quote.insert(row.code);
  }
  for (const ProvinceRow& row : PROVINCE_TABLE) {
    SCOPED_TRACE(row.code);
    EXPECT_FALSE(row.name.empty());
    for (char c : row.name) EXPECT_TRUE(IsPlaceNameByte(c) && c != '\x92') << static_cast<int>(c);
  }
  for (const ZoneRow& row : ZONE_TABLE) {
    for (char c : row.name) EXPECT_TRUE(IsPlaceNameByte(c) && c != '\x92') << static_cast<int>(c);
  }
  EXPECT_EQ(countries_with_quote, (std::set<std::int32_t>{39, 647}));
}

TEST(ProvinceNameTest, AgreesWithAScanForEveryTextOfUpToTwoBytes) {
  std::size_t mismatches = 0;
  std::set<std::string> names_found;
  std::set<int> codes_found;
  for (int b0 = 0; b0 < 256; ++b0) {
    const std::vector<char> one(1, static_cast<char>(b0));
    if (ProvinceName(std::string_view(one.data(), one.size())) != "") ++mismatches;
    for (int b1 = 0; b1 < 256; ++b1) {
      // Exactly two bytes on the heap, so that a read beyond them is caught under a sanitizer.
      const std::vector<char> two = {static_cast<char>(b0), static_cast<char>(b1)};
      const int code = 10 * ByteCount(static_cast<unsigned char>(b0)) +
                       ByteCount(static_cast<unsigned char>(b1));
      const std::string expected = ScannedProvince(code);
      if (ProvinceName(std::string_view(two.data(), two.size())) != expected) ++mismatches;
      if (!expected.empty()) {
        codes_found.insert(code);
        names_found.insert(expected);
      }
    }
  }
  EXPECT_EQ(mismatches, 0u);
  EXPECT_EQ(codes_found.size(), PROVINCE_TABLE.size());
  EXPECT_EQ(names_found.size(), 52u);
}

TEST(CountryZoneTextTest, AgreesWithAScanForEveryTextOfUpToThreeBytes) {
  // The codes that three bytes can spell lie between 111 times the lowest count of a byte and
  // 111 times the highest.
  const int lowest = 111 * ByteCount(0x80);
  const int highest = 111 * ByteCount(0x7F);
  std::vector<std::string> expected_by_code;
  for (int code = lowest; code <= highest; ++code) {
    expected_by_code.push_back(ScannedCountryZone(code));
  }
  std::size_t mismatches = 0;
  std::set<int> codes_found;
  for (int b0 = 0; b0 < 256; ++b0) {
    for (int b1 = 0; b1 < 256; ++b1) {
      const std::vector<char> two = {static_cast<char>(b0), static_cast<char>(b1)};
      if (CountryZoneText(std::string_view(two.data(), two.size())) != kNoCountry) ++mismatches;
      // Exactly three bytes on the heap, so that a read beyond them is caught under a sanitizer.
      std::vector<char> three = {static_cast<char>(b0), static_cast<char>(b1), '\0'};
      const std::string_view text(three.data(), three.size());
      for (int b2 = 0; b2 < 256; ++b2) {
        three[2] = static_cast<char>(b2);
        const int code = 100 * ByteCount(static_cast<unsigned char>(b0)) +
                         10 * ByteCount(static_cast<unsigned char>(b1)) +
                         ByteCount(static_cast<unsigned char>(b2));
        const std::string& expected = expected_by_code[static_cast<std::size_t>(code - lowest)];
        if (CountryZoneText(text) != expected) ++mismatches;
        if (expected != kNoCountry) codes_found.insert(code);
      }
    }
  }
  std::set<std::int32_t> stored_codes;
  for (const CountryRow& row : COUNTRY_TABLE) stored_codes.insert(row.code);
  EXPECT_EQ(mismatches, 0u);
  EXPECT_EQ(codes_found, std::set<int>(stored_codes.begin(), stored_codes.end()));
}

}  // namespace
}  // namespace idcheck
