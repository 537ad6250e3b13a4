#pragma once
// The one error type of the program. It carries the text the installer sees
// in the error box (UTF-8); every layer raises it and the window's handlers
// catch it at their boundary.

#include <stdexcept>
#include <string>

class VelotarError : public std::runtime_error {
public:
    explicit VelotarError(const std::string& message) : std::runtime_error(message) {}
};
