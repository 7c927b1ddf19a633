// The error type that event handlers raise and the application's standard
// error report shows; its message is UTF-8 text.
#pragma once
#include <stdexcept>
#include <string>

namespace ventro {

class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raised when a text is not a decimal integer, with the usual message.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

} // namespace ventro
