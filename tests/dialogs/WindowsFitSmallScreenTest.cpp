// SPDX-License-Identifier: MIT
// Every window but the main one fits an 800 x 600 screen with room for its
// frame and title bar, as each opens. The offscreen screen is 800 x 600.
#include "app/HelpWindow.h"
#include "app/StatisticsWindow.h"
#include "app/dialogs/BorrowDialog.h"
#include "app/dialogs/ErrorBox.h"
#include "app/dialogs/InfoScreen.h"
#include "app/dialogs/QuitWithoutSavingBox.h"
#include "app/dialogs/SavedGamesDialog.h"
#include "app/dialogs/SoundFilesDialog.h"
#include "app/dialogs/WriteErrorBox.h"
#include "game/GameState.h"
#include "store/ProfileWriteError.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/RuntimeDir.h"

#include <QFileDialog>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace kelvory;
using kelvory::test::ModalDriver;

namespace {

// Room QDialog allows for a frame and title bar when it places a dialog.
constexpr QSize kFrameRoom(10, 40);

// Opens a window: a modal one runs until the driver closes it.
using Opener = std::function<void(QWidget& owner)>;

GameState& State() {
    static GameState state;
    return state;
}

const std::map<QString, Opener>& Openers() {
    static const std::map<QString, Opener> openers{
        {"statistics",
         [](QWidget& owner) {
             static PlayerStatistics statistics;
             (new StatisticsWindow(statistics, {}, &owner))->show();
         }},
        {"help",
         [](QWidget& owner) {
             (new HelpWindow(test::RuntimeDirBytes() + "kelvory-help.html", &owner))
                 ->ShowContext(HelpContext::Contents);
         }},
        {"saved games",
         [](QWidget& owner) {
             SavedGamesDialog(State(), SavedGamesDialog::Save, "/nonexistent/KELVRY.INI", {},
                              &owner)
                 .exec();
         }},
        {"borrow", [](QWidget& owner) { BorrowDialog(State(), {}, &owner).exec(); }},
        {"sound files",
         [](QWidget& owner) { SoundFilesDialog(State(), "/opt/kelvory/", {}, &owner).exec(); }},
        {"sound file browser",
         [](QWidget& owner) {
             SoundFilesDialog dialog(State(), "/opt/kelvory/", {}, &owner);
             dialog.FileDialog->exec();
         }},
        {"error box, deep path",
         [](QWidget& owner) {
             std::string path = "/home/player";
             for (int depth = 0; depth < 12; ++depth) {
                 path += "/a-rather-long-folder-name";
             }
             WriteErrorBox::Show(&owner, ProfileWriteError(path + "/KELVRY.INI"));
         }},
        {"error box, longest folder name",
         [](QWidget& owner) {
             WriteErrorBox::Show(
                 &owner, ProfileWriteError("/home/" + std::string(255, 'x') + "/KELVRY.INI"));
         }},
        {"quit without saving", [](QWidget& owner) { QuitWithoutSavingBox::Ask(&owner); }},
    };
    return openers;
}

} // namespace

class WindowsFitSmallScreenTest : public QObject {
    Q_OBJECT
  private slots:
    void screenIsSmall() {
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(800, 600));
    }

    // The statistics open with every row of their figures in view.
    void statisticsShowEveryRow() {
        PlayerStatistics statistics;
        StatisticsWindow view(statistics, {});
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QTableWidget* figures = view.Figures();
        const QRect lastCell = figures->visualItemRect(
            figures->item(figures->rowCount() - 1, figures->columnCount() - 1));
        QVERIFY(figures->viewport()->rect().contains(lastCell));
    }

    void windowFits_data() {
        QTest::addColumn<QString>("window");
        for (const auto& [name, open] : Openers()) {
            QTest::newRow(qPrintable(name)) << name;
        }
        for (int screen = 0; screen < InfoScreen::kScreenCount; ++screen) {
            QTest::addRow("information screen %d", screen) << QStringLiteral("info %1").arg(screen);
        }
    }
    void windowFits() {
        QFETCH(QString, window);
        QWidget owner;
        owner.resize(800, 600);
        owner.show();
        QRect opened; // the frame
        QRect client;
        QString caption;
        ModalDriver driver(ModalDriver::Others::Leave);
        driver.AnswerNext<QDialog>([&](QDialog* dialog) {
            opened = dialog->frameGeometry();
            client = dialog->geometry();
            caption = dialog->windowTitle();
            dialog->reject();
        });
        if (window.startsWith(QStringLiteral("info "))) {
            InfoScreen(window.mid(5).toInt(), &owner).exec();
        } else {
            Openers().at(window)(owner);
        }
        for (QWidget* shown : QApplication::topLevelWidgets()) {
            if (shown != &owner && shown->isVisible()) {
                opened = shown->frameGeometry();
                client = shown->geometry();
                caption = shown->windowTitle();
            }
        }
        QVERIFY(opened.isValid());
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(screen.contains(opened), qPrintable(caption + QStringLiteral(" at %1, %2, %3 x %4")
                                                                   .arg(opened.x())
                                                                   .arg(opened.y())
                                                                   .arg(opened.width())
                                                                   .arg(opened.height())));
        QVERIFY2(client.width() + kFrameRoom.width() <= screen.width() &&
                     client.height() + kFrameRoom.height() <= screen.height(),
                 qPrintable(QStringLiteral("%1: %2 x %3")
                                .arg(caption)
                                .arg(client.width())
                                .arg(client.height())));
        qDeleteAll(owner.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
    }
};

int main(int argc, char** argv) {
    // The offscreen platform with one 800 x 600 screen.
    QTemporaryDir folder;
    const QString screens = folder.filePath(QStringLiteral("screens.json"));
    QFile file(screens);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 800,)"
                   R"( "height": 600, "logicalDpi": 96, "dpr": 1}]})") < 0) {
        return 1;
    }
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens));
    QApplication app(argc, argv);
    WindowsFitSmallScreenTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "WindowsFitSmallScreenTest.moc"
