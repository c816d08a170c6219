#include "tables/banks.h"

#include <algorithm>
#include <string_view>

#include "tables/bank_data.h"

namespace idcheck {
namespace {

constexpr std::string_view NO_ENTRY_TEXT = "NO DISPONIBLE";

// The row with the code, found by halving the code-ordered table, or nullptr.
const BankRow* BankRowWithCode(std::int32_t code) {
  const BankRow* row =
      std::lower_bound(BANK_TABLE.begin(), BANK_TABLE.end(), code,
                       [](const BankRow& lhs, std::int32_t rhs) { return lhs.code < rhs; });
  return (row != BANK_TABLE.end() && row->code == code) ? row : nullptr;
}

}  // namespace

std::string BankEntityName(std::int32_t code) {
  const BankRow* row = BankRowWithCode(code);
  return std::string(row != nullptr ? row->name : NO_ENTRY_TEXT);
}

}  // namespace idcheck
