// Bank entity names by the four-digit entity code that begins a Spanish account number.
#ifndef COTARSIS_TABLES_BANKS_H
#define COTARSIS_TABLES_BANKS_H

#include <cstdint>
#include <string>

namespace idcheck {

// The name of the bank entity with the code, or "NO DISPONIBLE" when no entity has it.
// Any value may be passed; there is no range check.
std::string BankEntityName(std::int32_t code);

}  // namespace idcheck

#endif
