// SPDX-License-Identifier: MIT
#pragma once

#include "app/dialogs/HelpContext.h"

#include <QString>
#include <QWidget>

#include <string>

class QTextBrowser;

namespace kelvory {

class HelpBrowser;

// The help window: the program's HTML help in a browser, opened at the anchor
// of a help context. One window is reused for every request; it is not modal,
// except when a modal dialog asks for help (a modal dialog blocks every window
// that is not its own, so the help is then shown above it until closed).
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    // helpFile: the HTML file as the file system's bytes of its path.
    explicit HelpWindow(const std::string& helpFile, QWidget* parent = nullptr);

    // The anchor name in the document for a help context.
    static QString AnchorFor(HelpContext context);

    // Shows and raises the window and scrolls to the context's anchor. Returns
    // false, showing nothing, when the help file cannot be read.
    bool ShowContext(HelpContext context);

    QTextBrowser* Browser() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::string helpFile_;
    HelpBrowser* browser_ = nullptr;
};

} // namespace kelvory
