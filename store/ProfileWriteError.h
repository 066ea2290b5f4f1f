// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

namespace kelvory {

// A write to the profile file failed. The message is "Unable to write to "
// followed by the file's full path.
class ProfileWriteError : public std::runtime_error {
  public:
    static constexpr char kMessage[] = "Unable to write to ";

    explicit ProfileWriteError(const std::string& path)
        : std::runtime_error(kMessage + path), path_(path) {}

    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

} // namespace kelvory
