// SPDX-License-Identifier: MIT
#include "app/dialogs/WriteErrorBox.h"

#include "app/dialogs/ErrorBox.h"
#include "store/ProfileWriteError.h"

#include <QFile>

namespace kelvory {

void WriteErrorBox::Show(QWidget* parent, const ProfileWriteError& error) {
    // The path as the file system's bytes; bytes that are not valid UTF-8
    // show as replacement characters.
    ErrorBox::Show(parent, QString::fromLatin1(ProfileWriteError::kMessage) +
                               QFile::decodeName(QByteArray::fromStdString(error.Path())));
}

} // namespace kelvory
