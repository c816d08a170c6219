#include "engine/account.h"

#include "engine/digits.h"
#include "engine/text_parts.h"

namespace idcheck {
namespace {

// Powers of two modulo 11. The account takes all ten weights; bank and branch
// together take the last eight, as if "00" stood before them.
constexpr int kWeights[10] = {1, 2, 4, 8, 5, 10, 9, 7, 3, 6};
constexpr std::size_t kBankWeights = 2;
constexpr std::size_t kBranchWeights = 6;
constexpr std::size_t kAccountWeights = 0;

// The value of a character is its byte code minus that of '0'.
int CharValue(char c) { return static_cast<int>(static_cast<unsigned char>(c)) - '0'; }

// Weighted sum of text padded with zeros on the left to width characters (or
// cut to its last width), its first padded character weighted with
// kWeights[first]. Padding zeros add nothing, so only the text is visited.
std::int32_t WeightedSum(std::string_view text, std::size_t width, std::size_t first) {
  std::string_view tail = LastChars(text, width);
  std::size_t weight = first + width - tail.size();
  std::int32_t sum = 0;
  for (char c : tail) sum += CharValue(c) * kWeights[weight++];
  return sum;
}

// 11 - S mod 11 for a non-negative sum, with 11 read as 0 and 10 as 1.
std::int32_t ControlDigit(std::int32_t sum) {
  std::int32_t d = 11 * (TruncDiv(sum, 11) + 1) - sum;
  if (d == 11) return 0;
  if (d == 10) return 1;
  return d;
}

}  // namespace

std::string AccountControlDigits(std::string_view bank, std::string_view branch,
                                 std::string_view account) {
  std::int32_t s1 = WeightedSum(bank, 4, kBankWeights) + WeightedSum(branch, 4, kBranchWeights);
  std::int32_t s2 = WeightedSum(account, 10, kAccountWeights);
  std::string result = "00";
  result[0] = static_cast<char>('0' + ControlDigit(s1));
  result[1] = static_cast<char>('0' + ControlDigit(s2));
  return result;
}

}  // namespace idcheck
