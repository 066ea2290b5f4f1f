// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace kelvory {

// Interaction with the player beyond drawing: messages and focus.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A modal information box captioned "Information" with one OK button.
    virtual void ShowInformation(const std::string& text) = 0;
    virtual void FocusSpinButton() = 0;
};

} // namespace kelvory
