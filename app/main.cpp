#include "ApplicationIdentity.h"
#include "ConfigDir.h"
#include "ProgramDir.h"
#include "TSlots.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kelvory::ApplicationIdentity::Apply();
    kelvory::TSlots window(kelvory::ConfigDir::FromNativePath(kelvory::ProgramDir::Find()));
    window.show();
    return QApplication::exec();
}
