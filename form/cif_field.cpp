// The CIF group: verdict, entity type and place of a CIF.
#include "engine/cif.h"
#include "engine/digits.h"
#include "form/id_check_form.h"
#include "tables/places.h"

namespace idcheck {

namespace {

bool IsNonResident(char first) { return first == 'N' || first == 'n'; }

// The province, or for a non-resident entity the zone and the country, that the
// digits after the first letter of a checked CIF (separators removed) denote.
std::string CifPlaceText(const std::string& cif) {
  if (IsNonResident(cif[0])) return CountryZoneText(std::string_view(cif).substr(1, 3));
  return ProvinceName(std::string_view(cif).substr(1, 2));
}

std::string CifInfoText(const std::string& cif) {
  return CifEntityType(cif[0]) + " " + CifPlaceText(cif);
}

}  // namespace

void IdCheckForm::OnCifChanged() {
  const std::string typed = m_window.GetFieldText(FieldId::CifInput);
  if (CheckCif(typed) != 1) {
    m_window.SetFieldText(FieldId::CifInfoOutput, std::string());
    m_window.SetIndicator(IndicatorId::CifIndicator, Mark::InvalidMark);
    return;
  }
  ReadFields();
  // The text just checked, which the check accepts with nine characters only.
  const std::string cif = StripChars(SEPARATOR_CHARS, typed);
  Stored(FieldId::CifInput) = cif;
  Stored(FieldId::CifInfoOutput) = CifInfoText(cif);
  m_window.SetIndicator(IndicatorId::CifIndicator, Mark::ValidMark);
  WriteFields();
}

}  // namespace idcheck
