#include "ConfigDir.h"

#include <QDir>
#include <QFile>

namespace kelvory {

QString ConfigDir::WindowsDir() {
    QString folder = QFile::decodeName(qgetenv("XDG_CONFIG_HOME"));
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder)) {
        folder = QDir::homePath() + QStringLiteral("/.config");
    }
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    QDir().mkpath(folder);
    return folder;
}

std::string ConfigDir::NativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString ConfigDir::FromNativePath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace kelvory
