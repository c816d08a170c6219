// Control digits of a Spanish bank account number (CCC).
#ifndef COTARSIS_ENGINE_ACCOUNT_H
#define COTARSIS_ENGINE_ACCOUNT_H

#include <string>
#include <string_view>

namespace idcheck {

// The two control digits of bank (4), branch (4) and account (10); shorter
// parts count as padded with zeros on the left.
std::string AccountControlDigits(std::string_view bank, std::string_view branch,
                                 std::string_view account);

}  // namespace idcheck

#endif
