// SPDX-License-Identifier: MIT
#include "WriteErrorBox.h"

#include "ConfigDir.h"
#include "ErrorBox.h"
#include "ProfileWriteError.h"

namespace kelvory {

void WriteErrorBox::Show(QWidget* parent, const ProfileWriteError& error) {
    ErrorBox::Show(parent, QString::fromLatin1(ProfileWriteError::kMessage) +
                               ConfigDir::FromNativePath(error.Path()));
}

} // namespace kelvory
