// SPDX-License-Identifier: MIT
#include "app/dialogs/ErrorBox.h"

#include <QMessageBox>

namespace kelvory {

namespace {
// A line wraps only at a space or after a slash; a longer run without one (a
// long file name) would stretch the box past the edge of a small screen. A
// zero-width space every so many characters of such a run lets it wrap there,
// and shows nothing.
QString Wrappable(const QString& text) {
    constexpr int kLongestRun = 64;
    QString shown;
    shown.reserve(text.size() + text.size() / kLongestRun);
    int run = 0;
    for (const QChar c : text) {
        shown += c;
        run = c.isSpace() || c == QLatin1Char('/') ? 0 : run + 1;
        if (run >= kLongestRun && !c.isHighSurrogate()) {
            shown += QChar(0x200B);
            run = 0;
        }
    }
    return shown;
}
} // namespace

void ErrorBox::Show(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Kelvory"), Wrappable(Text(message)),
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace kelvory
