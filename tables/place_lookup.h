// The place lookups over given tables. ProvinceName and CountryZoneText apply them to the
// built-in tables; other tables serve to exercise rows that the built-in ones lack.
#ifndef COTARSIS_TABLES_PLACE_LOOKUP_H
#define COTARSIS_TABLES_PLACE_LOOKUP_H

#include <string>
#include <string_view>

#include "tables/place_data.h"
#include "tables/row_span.h"

namespace idcheck {

// ProvinceName over the given province rows.
std::string ProvinceNameIn(RowSpan<ProvinceRow> provinces, std::string_view code);

// CountryZoneText over the given country and zone rows.
std::string CountryZoneTextIn(RowSpan<CountryRow> countries, RowSpan<ZoneRow> zones,
                              std::string_view code);

}  // namespace idcheck

#endif
