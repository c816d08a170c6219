// CIF (tax code of a legal entity): validity and entity type.
#ifndef COTARSIS_ENGINE_CIF_H
#define COTARSIS_ENGINE_CIF_H

#include <string>
#include <string_view>

namespace idcheck {

// 1 when the CIF, once separators are removed, is valid; 0 otherwise.
int CheckCif(std::string_view cif);

// The kind of entity that the first character denotes.
std::string CifEntityType(char first);

}  // namespace idcheck

#endif
