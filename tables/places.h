// Places named by the digits that follow the first letter of a CIF: the Spanish province, or for a
// non-resident entity the zone of the world and the country.
#ifndef COTARSIS_TABLES_PLACES_H
#define COTARSIS_TABLES_PLACES_H

#include <string>
#include <string_view>

namespace idcheck {

// The province of the code spelt by the first two characters, or the empty text when no province
// has it (also for a text shorter than two characters).
std::string ProvinceName(std::string_view code);

// "zone, country" for the code spelt by the first three characters; "Error C\xF3digo Pais" when
// no country has it (also for a text shorter than three characters), "Error C\xF3digo Zona" when
// the country's zone is missing. Texts are bytes in code page 1252.
std::string CountryZoneText(std::string_view code);

}  // namespace idcheck

#endif
