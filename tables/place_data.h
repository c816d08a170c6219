// The province, zone and country tables behind ProvinceName and CountryZoneText.
#ifndef COTARSIS_TABLES_PLACE_DATA_H
#define COTARSIS_TABLES_PLACE_DATA_H

#include <cstdint>
#include <string_view>

#include "tables/row_span.h"

namespace idcheck {

// A row with this code ends a table, as does the end of its rows: the code is never found.
inline constexpr std::int32_t END_CODE = 0;

struct ProvinceRow {
  std::int32_t code;
  std::string_view name;  // Bytes in code page 1252.
};

struct ZoneRow {
  std::int32_t code;      // The zone number.
  std::string_view name;  // Bytes in code page 1252.
};

struct CountryRow {
  std::int32_t code;
  std::string_view name;  // Bytes in code page 1252.
  std::int32_t zone;      // The code of a row of the zone table.
};

// Rows in stored order; lookups take the first row with a code. None holds END_CODE.
extern const RowSpan<ProvinceRow> PROVINCE_TABLE;
extern const RowSpan<ZoneRow> ZONE_TABLE;
extern const RowSpan<CountryRow> COUNTRY_TABLE;

}  // namespace idcheck

#endif
