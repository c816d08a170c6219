// Spanish Social Security number: validity and control digits.
#ifndef COTARSIS_ENGINE_SOCIAL_SECURITY_H
#define COTARSIS_ENGINE_SOCIAL_SECURITY_H

#include <string>
#include <string_view>

namespace idcheck {

// 1 when the full number (11 or 12 characters without separators) is valid.
int CheckSocialSecurity(std::string_view number);

// The two control digits of a number typed without them (9 or 10 characters
// without separators), or "**" for any other length.
std::string SocialSecurityControlDigits(std::string_view number);

}  // namespace idcheck

#endif
