// A read-only view of the rows of a fixed table.
#ifndef COTARSIS_TABLES_ROW_SPAN_H
#define COTARSIS_TABLES_ROW_SPAN_H

#include <cstddef>

namespace idcheck {

template <typename Row>
struct RowSpan {
  const Row* first;
  std::size_t count;

  constexpr const Row* begin() const { return first; }
  constexpr const Row* end() const { return first + count; }
  constexpr std::size_t size() const { return count; }
  constexpr const Row& operator[](std::size_t i) const { return first[i]; }
};

}  // namespace idcheck

#endif
