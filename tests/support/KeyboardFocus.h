// SPDX-License-Identifier: MIT
#pragma once

#include <QTest>
#include <QWidget>

namespace kelvory::test {

// Presses Tab in `window` until `target` has the focus, as a player reaching
// a control by keyboard would; false if it is never reached.
inline bool TabTo(QWidget& window, const QWidget& target) {
    for (int presses = 0; presses < 20 && window.focusWidget() != &target; ++presses) {
        QTest::keyClick(window.focusWidget() != nullptr ? window.focusWidget() : &window,
                        Qt::Key_Tab);
    }
    return window.focusWidget() == &target;
}

} // namespace kelvory::test
