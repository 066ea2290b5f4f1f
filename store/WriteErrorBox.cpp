// SPDX-License-Identifier: MIT
#include "store/WriteErrorBox.h"

#include "store/ConfigDir.h"
#include "store/ProfileWriteError.h"
#include "view/ErrorBox.h"

namespace kelvory {

void WriteErrorBox::Show(QWidget* parent, const ProfileWriteError& error) {
    ErrorBox::Show(parent, QString::fromLatin1(ProfileWriteError::kMessage) +
                               ConfigDir::FromNativePath(error.Path()));
}

} // namespace kelvory
