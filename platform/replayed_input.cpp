#include "platform/replayed_input.h"

#include <algorithm>

namespace vak {

std::size_t ReplayedInput::read(std::span<char> buffer, std::error_code& ec) {
  if (at_ < copied_) {
    const auto left = static_cast<std::size_t>(std::min<std::uint64_t>(copied_ - at_, SIZE_MAX));
    const std::size_t got = copy_->readAt(at_, buffer.first(std::min(buffer.size(), left)), ec);
    at_ += got;
    return got;
  }
  const std::size_t got = source_->read(buffer, ec);
  if (got == 0) return 0;
  copy_->append(buffer.first(got), ec);
  if (ec) return 0;
  copied_ += got;
  at_ = copied_;
  return got;
}

}  // namespace vak
