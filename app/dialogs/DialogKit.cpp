// SPDX-License-Identifier: MIT
#include "app/dialogs/DialogKit.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

namespace kelvory {

namespace {
// Calls showHelp at the context when there is a way to show help.
std::function<void()> HelpAt(ShowHelpFunction showHelp, HelpContext context) {
    return [showHelp = std::move(showHelp), context] {
        if (showHelp) {
            showHelp(context);
        }
    };
}
// Watches a window for F1. A key the focused widget leaves unused travels up
// to its window, so the filter on the window sees F1 wherever the focus is.
// It claims the key before any shortcut does: F1 in a window that belongs to
// the main window is about that window, not about the main window.
class HelpKeyFilter : public QObject {
  public:
    HelpKeyFilter(QWidget* window, std::function<void()> showHelp)
        : QObject(window), showHelp_(std::move(showHelp)) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool isKey =
            event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
        if (!isKey) {
            return QObject::eventFilter(watched, event);
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) {
            return false;
        }
        event->accept();
        if (event->type() == QEvent::KeyPress) {
            showHelp_();
        }
        return true;
    }

  private:
    std::function<void()> showHelp_;
};
} // namespace

void DialogKit::AddHelpKey(QWidget* window, ShowHelpFunction showHelp, HelpContext context) {
    new HelpKeyFilter(window, HelpAt(std::move(showHelp), context));
}

void DialogKit::ConnectHelpButton(QAbstractButton* button, ShowHelpFunction showHelp,
                                  HelpContext context) {
    QObject::connect(button, &QAbstractButton::clicked, button,
                     HelpAt(std::move(showHelp), context));
}

QSize DialogKit::RoomOnScreen(const QWidget* window) {
    // What QDialog allows for the frame when it centres a dialog.
    constexpr QSize kFrameAllowance(10, 40);
    const QScreen* screen = window->screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    }
    const QSize frame = window->frameGeometry().size() - window->size();
    return screen->availableGeometry().size() - frame.expandedTo(kFrameAllowance);
}

void DialogKit::ShowInformation(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

} // namespace kelvory
