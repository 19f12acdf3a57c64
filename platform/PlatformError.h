#pragma once

#include <stdexcept>
#include <string>

// What the platform raises when a file cannot be read or written (a skin
// picture, the preset file). The message is shown to the user as it stands,
// so it names the full path of the file.
class PlatformError : public std::runtime_error {
public:
    explicit PlatformError(const std::string& message) : std::runtime_error(message) {}
};
