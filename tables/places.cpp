#include "tables/places.h"

#include <cstddef>
#include <cstdint>

#include "tables/place_data.h"
#include "tables/place_lookup.h"

namespace idcheck {
namespace {

constexpr std::string_view NO_COUNTRY_TEXT =
    "Error C\xF3"
    "digo Pais";
constexpr std::string_view NO_ZONE_TEXT =
    "Error C\xF3"
    "digo Zona";
constexpr std::string_view ZONE_COUNTRY_SEPARATOR = ", ";

// What one character counts in a code: its byte taken as a signed 8-bit value, minus the code
// of '0'. Digits count their value; 0x80 to 0xFF count their value minus 256, minus 48.
constexpr std::int32_t CharCount(char c) {
  const std::int32_t byte = static_cast<unsigned char>(c);
  return (byte < 0x80 ? byte : byte - 0x100) - '0';
}

// The code spelt by the first `width` characters, most significant first; the text holds at
// least that many.
std::int32_t CodeOfLeading(std::string_view text, std::size_t width) {
  std::int32_t code = 0;
  for (std::size_t i = 0; i < width; ++i) code = code * 10 + CharCount(text[i]);
  return code;
}

// The first row with the code, scanning in stored order up to the end of the rows or a row
// holding END_CODE; nullptr when none comes before.
template <typename Row>
const Row* FirstRowWithCode(RowSpan<Row> rows, std::int32_t code) {
  for (const Row& row : rows) {
    if (row.code == END_CODE) break;
    if (row.code == code) return &row;
  }
  return nullptr;
}

}  // namespace

std::string ProvinceNameIn(RowSpan<ProvinceRow> provinces, std::string_view code) {
  constexpr std::size_t kWidth = 2;
  if (code.size() < kWidth) return std::string();
  const ProvinceRow* province = FirstRowWithCode(provinces, CodeOfLeading(code, kWidth));
  return province != nullptr ? std::string(province->name) : std::string();
}

std::string CountryZoneTextIn(RowSpan<CountryRow> countries, RowSpan<ZoneRow> zones,
                              std::string_view code) {
  constexpr std::size_t kWidth = 3;
  if (code.size() < kWidth) return std::string(NO_COUNTRY_TEXT);
  const CountryRow* country = FirstRowWithCode(countries, CodeOfLeading(code, kWidth));
  if (country == nullptr) return std::string(NO_COUNTRY_TEXT);
  const ZoneRow* zone = FirstRowWithCode(zones, country->zone);
  if (zone == nullptr) return std::string(NO_ZONE_TEXT);
  std::string text(zone->name);
  text.append(ZONE_COUNTRY_SEPARATOR).append(country->name);
  return text;
}

std::string ProvinceName(std::string_view code) { return ProvinceNameIn(PROVINCE_TABLE, code); }

std::string CountryZoneText(std::string_view code) {
  return CountryZoneTextIn(COUNTRY_TABLE, ZONE_TABLE, code);
}

}  // namespace idcheck
