// The Social Security group: the full number's verdict and the control digits.
#include "engine/social_security.h"
#include "form/form_results.h"
#include "form/id_check_form.h"

namespace idcheck {

void IdCheckForm::OnSocialSecurityChanged() {
  const std::string number = m_window.GetFieldText(FieldId::SocialSecurityInput);
  m_window.SetIndicator(IndicatorId::SocialSecurityIndicator, MarkOf(CheckSocialSecurity(number)));
}

void IdCheckForm::OnSocialSecurityBaseChanged() {
  const std::string number = m_window.GetFieldText(FieldId::SocialSecurityBaseInput);
  m_window.SetFieldText(FieldId::SocialSecurityControlOutput, SocialSecurityControlDigits(number));
}

}  // namespace idcheck
