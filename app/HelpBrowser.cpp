// SPDX-License-Identifier: MIT
#include "app/HelpBrowser.h"

namespace kelvory {

void HelpBrowser::SetDocument(const QUrl& url, const QByteArray& content) {
    documentUrl_ = url.adjusted(QUrl::RemoveFragment);
    content_ = content;
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.adjusted(QUrl::RemoveFragment) == documentUrl_) {
        return content_;
    }
    return QTextBrowser::loadResource(type, name);
}

} // namespace kelvory
