// SPDX-License-Identifier: MIT
#include "app/ApplicationIdentity.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "app/dialogs/ErrorBox.h"
#include "store/ConfigDir.h"

#include <QApplication>
#include <QFile>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kelvory::ApplicationIdentity::Apply();
    // One copy per settings folder: a second start brings the first forward.
    const std::string configFolder = kelvory::ConfigDir::Folder();
    kelvory::SingleInstance instance(configFolder);
    switch (instance.Claim()) {
    case kelvory::SingleInstance::Start::Forwarded:
        return 0;
    case kelvory::SingleInstance::Start::Unreachable:
        kelvory::ErrorBox::Show(
            nullptr, QStringLiteral("Kelvory is already running with the settings in %1, but it "
                                    "does not answer. Close it, then start Kelvory again")
                         .arg(QFile::decodeName(QByteArray::fromStdString(configFolder))));
        return 1;
    case kelvory::SingleInstance::Start::First:
        break;
    }
    kelvory::MainWindow window; // finds its data folder from its own location, as bytes
    QObject::connect(&instance, &kelvory::SingleInstance::activationRequested, &window,
                     &kelvory::MainWindow::BringForward);
    window.show();
    return QApplication::exec();
}
