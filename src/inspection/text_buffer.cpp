#include "inspection/text_buffer.h"

namespace zorvik {

size_t WindowTextBufferSize(long long reported, size_t limit) {
  if (reported <= 0) return 0;
  const unsigned long long n = static_cast<unsigned long long>(reported);
  return (n < limit ? static_cast<size_t>(n) : limit) + 1;
}

size_t ItemTextBufferSize(long long reported, size_t limit) {
  if (reported <= 0 || static_cast<unsigned long long>(reported) > limit) return 0;
  return static_cast<size_t>(reported) + 1 + kItemTextSlack;
}

}  // namespace zorvik
