// The bank entity table behind BankEntityName.
#ifndef COTARSIS_TABLES_BANK_DATA_H
#define COTARSIS_TABLES_BANK_DATA_H

#include <cstdint>
#include <string_view>

#include "tables/row_span.h"

namespace idcheck {

struct BankRow {
  std::int32_t code;
  std::string_view name;  // Bytes in code page 1252.
};

// Every bank entity, ordered by code; no code occurs twice.
extern const RowSpan<BankRow> BANK_TABLE;

}  // namespace idcheck

#endif
