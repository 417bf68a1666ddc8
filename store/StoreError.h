#pragma once

#include <stdexcept>
#include <string>

namespace store {

// The one error type of the store. The kinds mirror the run-time errors that the
// data file code can raise; callers that trap errors catch this type, everything
// else lets it reach the window, which shows the message and keeps the data safe.
enum class ErrorKind {
    Conversion,      // text that is not a number where a number is needed
    Overflow,        // a number outside the range of its 16- or 32-bit field
    Subscript,       // an index outside an array (a line that skips a record index)
    InvalidArgument, // a character code above 255, an empty line to scramble
    WrongPassword,   // the first deciphered line does not start with record 1
    File,            // the file system refused: missing, read-only, disk full, ...
};

class StoreError : public std::runtime_error {
public:
    StoreError(ErrorKind kind, const std::string& message)
        : std::runtime_error(message), kind_(kind) {}
    ErrorKind kind() const { return kind_; }

private:
    ErrorKind kind_;
};

} // namespace store
