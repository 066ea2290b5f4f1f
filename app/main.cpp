#include "TSlots.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvory"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kelvory"));
    kelvory::TSlots window;
    window.show();
    return QApplication::exec();
}
