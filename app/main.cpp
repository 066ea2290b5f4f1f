// SPDX-License-Identifier: MIT
#include "app/ApplicationIdentity.h"
#include "app/MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kelvory::ApplicationIdentity::Apply();
    kelvory::MainWindow window; // finds its data folder from its own location, as bytes
    window.show();
    return QApplication::exec();
}
