// SPDX-License-Identifier: MIT
#include "app/dialogs/WriteErrorBox.h"

#include "app/dialogs/ErrorBox.h"
#include "store/ConfigDir.h"
#include "store/ProfileWriteError.h"

namespace kelvory {

void WriteErrorBox::Show(QWidget* parent, const ProfileWriteError& error) {
    ErrorBox::Show(parent, QString::fromLatin1(ProfileWriteError::kMessage) +
                               ConfigDir::FromNativePath(error.Path()));
}

} // namespace kelvory
