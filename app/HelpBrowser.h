// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QTextBrowser>
#include <QUrl>

namespace kelvory {

// The help window's browser. It shows a document whose bytes the program has
// read itself (by the file system's bytes of its path), so that a program
// folder whose name is not valid UTF-8 does not keep the help from loading;
// links within the document work as in any browser.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
  public:
    using QTextBrowser::QTextBrowser;

    // The content served for the URL (any fragment aside).
    void SetDocument(const QUrl& url, const QByteArray& content);

    QVariant loadResource(int type, const QUrl& name) override;

  private:
    QUrl documentUrl_;
    QByteArray content_;
};

} // namespace kelvory
