// BankEntityName: known codes and codes without an entry, the integrity of the bank table, and a
// sweep that compares the lookup with a plain scan of the table.
#include "tables/banks.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tables/bank_data.h"

namespace idcheck {
namespace {

constexpr char kNoEntry[] = "NO DISPONIBLE";

// The name by a scan of every row, independent of the lookup's search.
std::string ScannedName(std::int32_t code) {
  for (const BankRow& row : BANK_TABLE) {
    if (row.code == code) return std::string(row.name);
  }
  return kNoEntry;
}

TEST(BankEntityNameTest, NamesCodesWithAnEntry) {
  // clang-format off
  struct Case {
    std::int32_t code;
    const char* name;
  } kCases[] = {
      {1, "BANCO SANPAOLO"},
      {119, "BANCO SANPAOLO"},
      {2, "SISTEMAS 4B "},
      {193, "BANCA FINESOR "},
      {1302, "CAJA POSTAL "},
      {2088, "CAJA POSTAL"},
      {16, "BSCH"},
      {49, "BSCH"},
      {29, "BANCO COMERCIAL ESPA\xD1OL"},
      {58, "B.N.P.ESPA\xD1" "A"},
      {142, "BANCO DE LA PEQUE\xD1" "A MEDIANA EMPRESA"},
      {2000, "CONFEDERACION ESPA\xD1OLA CAJAS AHORROS"},
      {3127, "CAJA RURAL DE CASAS IBA\xD1" "EZ"},
      {3134, "CAJA RURAL 'NTRA.SE\xD1ORA ESPERANZA'"},
      {3112, "CAJA RURAL 'SAN JOSE'"},
      {3113, "CAJA RURAL 'SAN JOSE'"},
      {2081, "CAIXA D'ESTALVIS DEL PENEDES"},
      {109, "BANCO DEL DESARROLLO ECONMCO.ESPA\xD1OL"},
      {224, "HISPAMER BANCO FINANCIERO"},
      {1000, "INSTITUTO DE CREDITO OFICIAL"},
      {1005, "BANCO HIPOTECARIO DE ESPA\xD1" "A"},
      {1456, "C.R.CREDIT A.MUTUEL PYRENEES GASCOGN"},
      {2105, "CAJA DE AH. DE CASTILLA-LA MANCHA"},
      {3001, "CAJA RURAL DE ALMENDRALEJO"},
      {3184, "CAJA CREDITO ALCOY-COOP.CDTO.V."},
      {5000, "SECC.ADMTVA.COLEGIO MEDICOS"},
  };
  // clang-format on
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(BankEntityName(c.code), c.name);
  }
}

TEST(BankEntityNameTest, GivesNoDisponibleForCodesWithoutAnEntry) {
  constexpr std::int32_t kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t kHighest = std::numeric_limits<std::int32_t>::max();
  const std::int32_t kCodes[] = {0,    5,    225,  999,  1002,  1006,    1301,
                                 1457, 1999, 2002, 2106, 3000,  3185,    4999,
                                 5001, 9999, -1,   -49,  -5000, kLowest, kHighest};
  for (std::int32_t code : kCodes) {
    SCOPED_TRACE(code);
    EXPECT_EQ(BankEntityName(code), kNoEntry);
  }
}

TEST(BankTableTest, Holds382RowsWith375DistinctNames) {
  std::set<std::string_view> names;
  for (const BankRow& row : BANK_TABLE) names.insert(row.name);
  EXPECT_EQ(BANK_TABLE.size(), 382u);
  EXPECT_EQ(names.size(), 375u);
}

TEST(BankTableTest, NamesAreCapitalsWithNTildeAsTheOnlyNonAsciiByte) {
  int names_with_n_tilde = 0;
  for (const BankRow& row : BANK_TABLE) {
    SCOPED_TRACE(row.code);
    EXPECT_FALSE(row.name.empty());
    for (char c : row.name) {
      const bool printable_ascii = c >= ' ' && c <= '~';
      EXPECT_TRUE((printable_ascii && !(c >= 'a' && c <= 'z')) || c == '\xD1')
          << "byte " << static_cast<int>(static_cast<unsigned char>(c));
    }
    if (row.name.find('\xD1') != std::string_view::npos) ++names_with_n_tilde;
  }
  EXPECT_EQ(names_with_n_tilde, 28);
}

TEST(BankTableTest, OnlyCodes2And193And1302EndInABlank) {
  std::set<std::int32_t> codes;
  for (const BankRow& row : BANK_TABLE) {
    ASSERT_FALSE(row.name.empty()) << row.code;
    if (row.name.back() == ' ') codes.insert(row.code);
    EXPECT_NE(row.name.front(), ' ') << row.code;
    EXPECT_EQ(row.name.find("  "), std::string_view::npos) << row.code;
  }
  EXPECT_EQ(codes, (std::set<std::int32_t>{2, 193, 1302}));
}

TEST(BankTableTest, EveryCodeLiesInOneOfSixBands) {
  struct Band {
    std::int32_t low;
    std::int32_t high;
    std::size_t count;
  } kBands[] = {
      {1, 224, 174},    {1000, 1005, 5},   {1302, 1456, 3},
      {2000, 2105, 90}, {3001, 3184, 109}, {5000, 5000, 1},
  };
  std::size_t banded = 0;
  for (const Band& band : kBands) {
    SCOPED_TRACE(band.low);
    std::size_t count = 0;
    for (const BankRow& row : BANK_TABLE) {
      if (row.code >= band.low && row.code <= band.high) ++count;
    }
    EXPECT_EQ(count, band.count);
    banded += count;
  }
  EXPECT_EQ(banded, BANK_TABLE.size());
}

TEST(BankTableTest, SevenPairsOfCodesShareAName) {
  std::map<std::string_view, std::vector<std::int32_t>> codes_by_name;
  for (const BankRow& row : BANK_TABLE) codes_by_name[row.name].push_back(row.code);
  std::set<std::vector<std::int32_t>> shared;
  for (const auto& entry : codes_by_name) {
    if (entry.second.size() > 1) shared.insert(entry.second);
  }
  const std::set<std::vector<std::int32_t>> kPairs = {
      {1, 119}, {10, 102}, {16, 49}, {20, 50}, {76, 112}, {3111, 3114}, {3112, 3113}};
  EXPECT_EQ(shared, kPairs);
}

TEST(BankEntityNameTest, AgreesWithAScanOfTheTableFromMinus1000To10000) {
  std::vector<std::int32_t> mismatches;
  std::size_t found = 0;
  for (std::int32_t code = -1000; code <= 10000; ++code) {
    const std::string expected = ScannedName(code);
    if (expected != kNoEntry) ++found;
    if (BankEntityName(code) != expected) mismatches.push_back(code);
  }
  EXPECT_TRUE(mismatches.empty()) << mismatches.size() << " codes differ, first "
                                  << (mismatches.empty() ? 0 : mismatches.front());
  EXPECT_EQ(found, BANK_TABLE.size());
}

}  // namespace
}  // namespace idcheck
