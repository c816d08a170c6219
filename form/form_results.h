// Results that more than one group of the form computes alike.
#ifndef COTARSIS_FORM_FORM_RESULTS_H
#define COTARSIS_FORM_FORM_RESULTS_H

#include <string>
#include <string_view>

#include "form/id_check_form.h"

namespace idcheck {

// The check letter of a NIF or NIE number as a one-character text.
std::string LetterText(std::string_view number);

// The indicator image for a verdict: 1 is valid, anything else is not.
inline Mark MarkOf(int verdict) { return verdict == 1 ? Mark::ValidMark : Mark::InvalidMark; }

}  // namespace idcheck

#endif
