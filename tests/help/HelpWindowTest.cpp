// SPDX-License-Identifier: MIT
// The help window: every context opens at its own part of the document, the
// menu commands and F1 reach it, one window serves every request, and a
// missing help file is reported.
#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/RuntimeDir.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

using kelvory::HelpContext;
using kelvory::HelpWindow;
using kelvory::MainWindow;
using kelvory::test::ModalDriver;
using kelvory::test::RuntimeDir;

namespace {

// The document's y position of the block holding a named anchor, or -1.
qreal AnchorY(const QTextDocument* doc, const QString& name) {
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorNames().contains(name)) {
                return doc->documentLayout()->blockBoundingRect(block).top();
            }
        }
    }
    return -1;
}

// The first heading at or below the top of the visible part of the document.
QString TopHeading(const QTextBrowser* browser) {
    const QTextDocument* doc = browser->document();
    const int top = browser->verticalScrollBar()->value();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        const QRectF rect = doc->documentLayout()->blockBoundingRect(block);
        if (rect.bottom() > top && block.blockFormat().headingLevel() > 0) {
            return block.text().trimmed();
        }
    }
    return {};
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir config_;
    QString runtimeDir_;
    QString HelpFile() const { return runtimeDir_ + QStringLiteral("kelvory-help.html"); }
    std::string HelpFileBytes() const { return QFile::encodeName(HelpFile()).toStdString(); }

  private slots:
    void initTestCase() {
        runtimeDir_ = RuntimeDir();
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
        QVERIFY2(QFile::exists(HelpFile()), qPrintable(HelpFile()));
    }

    void contextOpensAtItsAnchor_data() {
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("anchor");
        QTest::addColumn<QString>("heading");
        QTest::newRow("contents") << 0 << "contents"
                                  << "Kelvory Help";
        QTest::newRow("main window") << 41002 << "ctx41002"
                                     << "The game window";
        QTest::newRow("borrowing") << 41005 << "ctx41005"
                                   << "Borrowing and paying back credits";
        QTest::newRow("saved games") << 41006 << "ctx41006"
                                     << "Saved games";
        QTest::newRow("payoffs") << 41007 << "ctx41007"
                                 << "Understanding the payoffs";
        QTest::newRow("sounds") << 41009 << "ctx41009"
                                << "Sounds";
        QTest::newRow("statistics") << 41010 << "ctx41010"
                                    << "Your statistics and the odds";
        QTest::newRow("unknown context gives contents") << 41999 << "contents"
                                                        << "Kelvory Help";
    }
    void contextOpensAtItsAnchor() {
        QFETCH(int, context);
        QFETCH(QString, anchor);
        QFETCH(QString, heading);
        HelpWindow help(HelpFileBytes());
        QVERIFY(help.ShowContext(static_cast<HelpContext>(context)));
        QVERIFY(help.isVisible());
        QTextBrowser* browser = help.Browser();
        const qreal y = AnchorY(browser->document(), anchor);
        QVERIFY2(y >= 0, "the document lacks the anchor");
        const QScrollBar* bar = browser->verticalScrollBar();
        QCOMPARE(bar->value(), std::min(qCeil(y), bar->maximum()));
        QCOMPARE(TopHeading(browser), heading);
    }

    void documentHoldsEachAnchorOnce_data() {
        QTest::addColumn<QString>("anchor");
        for (const char* name :
             {"contents", "ctx41002", "ctx41005", "ctx41006", "ctx41007", "ctx41009", "ctx41010"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }
    void documentHoldsEachAnchorOnce() {
        QFETCH(QString, anchor);
        QFile file(HelpFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        QCOMPARE(html.count(QStringLiteral("name=\"%1\"").arg(anchor)), 1);
        // Every link inside the document leads to an anchor that exists.
        QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            QVERIFY2(html.contains(QStringLiteral("name=\"%1\"").arg(target)), qPrintable(target));
        }
    }

    void commandsOfTheMainWindowOpenTheirContext_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("heading");
        QTest::newRow("Help Contents") << "HelpContentsItem"
                                       << "Kelvory Help";
        QTest::newRow("Understanding the Payoffs") << "PayoffsItem"
                                                   << "Understanding the payoffs";
        QTest::newRow("F1") << "F1"
                            << "The game window";
    }
    void commandsOfTheMainWindowOpenTheirContext() {
        QFETCH(QString, command);
        QFETCH(QString, heading);
        MainWindow window(runtimeDir_);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // A request for another context first: the command must move the one
        // window to its own place.
        window.ShowHelp(HelpContext::Sounds);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        if (command == QLatin1String("F1")) {
            QTest::keyClick(window.SpinButton(), Qt::Key_F1);
        } else if (command == QLatin1String("HelpContentsItem")) {
            window.Menu().HelpContentsItem->trigger();
        } else {
            window.Menu().PayoffsItem->trigger();
        }
        const auto windows = window.findChildren<HelpWindow*>();
        QCOMPARE(windows.size(), 1);
        QVERIFY(windows.front()->isVisible());
        QCOMPARE(TopHeading(windows.front()->Browser()), heading);
    }

    void escapeClosesTheHelpWindow() {
        HelpWindow help(HelpFileBytes());
        QVERIFY(help.ShowContext(HelpContext::Payoffs));
        QTest::keyClick(help.Browser(), Qt::Key_Escape);
        QVERIFY(!help.isVisible());
        QVERIFY(help.ShowContext(HelpContext::Payoffs));
        QVERIFY(help.isVisible());
    }

    void helpAskedForByAModalDialogIsUsableAboveIt() {
        MainWindow window(runtimeDir_);
        window.show();
        QDialog dialog(&window);
        Qt::WindowModality during = Qt::NonModal;
        bool visible = false;
        QTimer::singleShot(0, &dialog, [&] {
            window.ShowHelp(HelpContext::Borrowing);
            auto* help = window.findChild<HelpWindow*>();
            during = help->windowModality();
            visible = help->isVisible();
            help->close();
            dialog.reject();
        });
        dialog.exec();
        QCOMPARE(during, Qt::ApplicationModal);
        QVERIFY(visible);
        window.ShowHelp(HelpContext::MainWindow);
        QCOMPARE(window.findChild<HelpWindow*>()->windowModality(), Qt::NonModal);
    }

    void missingHelpFileIsReported() {
        HelpWindow alone("/nonexistent/kelvory-help.html");
        QVERIFY(!alone.ShowContext(HelpContext::Contents));
        QVERIFY(!alone.isVisible());

        // A program folder with everything but the help.
        QTemporaryDir folder;
        const QDir runtime(runtimeDir_);
        for (const QString& name :
             runtime.entryList({QStringLiteral("*.WAV"), QStringLiteral("*.bmp")}, QDir::Files)) {
            QVERIFY(QFile::copy(runtime.filePath(name), folder.filePath(name)));
        }
        MainWindow window(folder.path());
        window.show();
        ModalDriver driver(ModalDriver::Others::Close);
        window.ShowHelp(HelpContext::MainWindow);
        QCOMPARE(driver.Captions(), QStringList{QStringLiteral("Kelvory")});
        QCOMPARE(driver.Texts(),
                 QStringList{QStringLiteral("Cannot open file %1.")
                                 .arg(folder.filePath(QStringLiteral("kelvory-help.html")))});
        QVERIFY(!window.findChild<HelpWindow*>()->isVisible());
    }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
