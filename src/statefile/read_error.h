// The one failure of the state-file readers: a file that cannot be read as
// what it should be. Its message names the file, the line and what was expected.
#pragma once

#include <stdexcept>
#include <string>

namespace tembrix::statefile {

class ReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace tembrix::statefile
