// SPDX-License-Identifier: MIT
#include "app/HelpWindow.h"

#include "app/HelpBrowser.h"
#include "app/dialogs/HelpContext.h"
#include "view/FileBytes.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace kelvory {

HelpWindow::HelpWindow(const std::string& helpFile, QWidget* parent)
    : QWidget(parent, Qt::Window), helpFile_(helpFile) {
    setWindowTitle(QStringLiteral("Kelvory Help"));
    setAccessibleName(QStringLiteral("Kelvory Help"));
    resize(680, 560);

    browser_ = new HelpBrowser(this);
    browser_->setAccessibleName(QStringLiteral("Help text"));
    browser_->setOpenExternalLinks(false);

    auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
    contents->setAccessibleName(QStringLiteral("Help contents"));
    auto* back = new QPushButton(QStringLiteral("&Back"), this);
    back->setAccessibleName(QStringLiteral("Back to the previous page"));
    back->setEnabled(false);
    auto* closeButton = new QPushButton(QStringLiteral("C&lose"), this);
    closeButton->setAccessibleName(QStringLiteral("Close the help"));
    connect(contents, &QPushButton::clicked, this,
            [this] { browser_->scrollToAnchor(AnchorFor(HelpContext::Contents)); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    setFocusProxy(browser_);
}

QString HelpWindow::AnchorFor(HelpContext context) {
    switch (context) {
    case HelpContext::MainWindow:
    case HelpContext::Borrowing:
    case HelpContext::SavedGames:
    case HelpContext::Payoffs:
    case HelpContext::Sounds:
    case HelpContext::Statistics:
        return QStringLiteral("ctx%1").arg(static_cast<int>(context));
    case HelpContext::Contents:
        break;
    }
    return QStringLiteral("contents");
}

QTextBrowser* HelpWindow::Browser() const {
    return browser_;
}

bool HelpWindow::ShowContext(HelpContext context) {
    const std::optional<QByteArray> content = FileBytes::Read(helpFile_);
    if (!content) {
        return false;
    }
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted =
        (modal != nullptr && modal != this) ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != wanted) {
        hide();
        setWindowModality(wanted);
    }
    // Shown before the document is laid out, so that the anchor positions are
    // those of the window's real width.
    show();
    raise();
    activateWindow();
    const QString anchor = AnchorFor(context);
    const QUrl document =
        QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(helpFile_)));
    browser_->SetDocument(document, *content);
    if (browser_->source().adjusted(QUrl::RemoveFragment) != document) {
        QUrl url = document;
        url.setFragment(anchor);
        browser_->setSource(url);
    }
    browser_->scrollToAnchor(anchor);
    browser_->setFocus();
    return true;
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace kelvory
