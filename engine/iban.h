// Building a Spanish IBAN and the MOD 97-10 check of any IBAN.
#ifndef COTARSIS_ENGINE_IBAN_H
#define COTARSIS_ENGINE_IBAN_H

#include <string>
#include <string_view>

namespace idcheck {

// The Spanish IBAN of the account in display form (ES58.1234.5678.0101.2345.6789),
// or the empty text when any part is empty. Short parts are padded with zeros.
std::string BuildSpanishIban(std::string_view bank, std::string_view branch,
                             std::string_view account);

// 1 when the text passes the MOD 97-10 test, 0 otherwise.
int CheckIban(std::string_view iban);

}  // namespace idcheck

#endif
