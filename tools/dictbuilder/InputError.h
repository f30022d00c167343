// A malformed input file: the builder stops and names the file and line.
#pragma once

#include <stdexcept>
#include <string>

namespace dictbuilder {

struct InputError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

}  // namespace dictbuilder
