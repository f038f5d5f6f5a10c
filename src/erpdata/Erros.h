#pragma once
// The data layer's failures: one exception type carrying the system's message,
// as the window and the command line show it.
#include <stdexcept>
#include <string>

namespace erpdata {

class EDatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace erpdata
