#pragma once
// The toolkit's errors. Every error the library raises derives from gadrix::Exception.

#include <stdexcept>
#include <string>

namespace gadrix {

class Exception : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// A value cannot be converted or assigned ("Cannot assign a TFont to a TBrush").
class EConvertError : public Exception {
public:
  using Exception::Exception;
};

// A named bitmap resource is not compiled into the library.
class EResNotFound : public Exception {
public:
  using Exception::Exception;
};

// A picture file or buffer cannot be decoded, or is too large to hold.
class EInvalidGraphic : public Exception {
public:
  using Exception::Exception;
};

// A file cannot be opened, read or written.
class EFileError : public Exception {
public:
  using Exception::Exception;
};

// Memory for a requested size cannot be had.
class EOutOfMemory : public Exception {
public:
  using Exception::Exception;
};

}  // namespace gadrix
