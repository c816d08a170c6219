// Pieces of texts that several checks take the same way, without allocating.
// Private to the engine.
#ifndef COTARSIS_ENGINE_TEXT_PARTS_H
#define COTARSIS_ENGINE_TEXT_PARTS_H

#include <cstddef>
#include <string_view>

#include "engine/digits.h"

namespace idcheck {

// The last width characters of text, or the whole text when it is shorter:
// what survives of it when it is padded or cut to width on the left.
constexpr std::string_view LastChars(std::string_view text, std::size_t width) {
  return text.size() <= width ? text : text.substr(text.size() - width);
}

// The text without the characters of SEPARATOR_CHARS, kept on the stack. A
// text that keeps more than Capacity characters is too long for every check
// that asks, and counts as Capacity + 1 characters.
template <std::size_t Capacity>
class StrippedText {
 public:
  explicit StrippedText(std::string_view text) {
    for (char c : text) {
      if (SEPARATOR_CHARS.find(c) != std::string_view::npos) continue;
      if (m_nLength == Capacity) {
        m_nLength = Capacity + 1;
        return;
      }
      m_aText[m_nLength++] = c;
    }
  }

  std::size_t size() const { return m_nLength; }
  // The kept characters; only meaningful when size() is at most Capacity.
  std::string_view view() const { return std::string_view(m_aText, m_nLength); }

 private:
  char m_aText[Capacity] = {};
  std::size_t m_nLength = 0;
};

}  // namespace idcheck

#endif
