#pragma once

#include <stdexcept>

namespace vak {

// A read or write on one of the conversion's streams failed.
struct IoError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

}  // namespace vak
