// SPDX-License-Identifier: MIT
// Every control a screen reader user can reach has a name of its own: each
// focusable or pressable node of each window has a non-empty name that no
// other such node of the window shares.
#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "app/StatisticsWindow.h"
#include "app/dialogs/BorrowDialog.h"
#include "app/dialogs/InfoScreen.h"
#include "app/dialogs/SavedGamesDialog.h"
#include "app/dialogs/SoundFilesDialog.h"
#include "app/dialogs/VolumeDialog.h"
#include "game/PlayerStatistics.h"
#include "tests/support/RuntimeDir.h"

#include <QAccessible>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

using namespace kelvory;
using kelvory::test::RuntimeDir;
using kelvory::test::RuntimeDirBytes;

namespace {

using WindowMaker = std::function<std::unique_ptr<QWidget>(GameState&, const std::string& ini)>;

bool Reachable(QAccessibleInterface* node) {
    const QAccessible::State state = node->state();
    if (state.invisible) {
        return false;
    }
    QAccessibleActionInterface* actions = node->actionInterface();
    return state.focusable ||
           (actions != nullptr &&
            actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
}

// What a reader says for a node: a table cell is read with its row and column
// headers, which tell apart cells of equal or no figures.
QString SpokenName(QAccessibleInterface* node) {
    QString name = node->text(QAccessible::Name);
    if (QAccessibleTableCellInterface* cell = node->tableCellInterface()) {
        QStringList headers;
        for (const auto& list : {cell->rowHeaderCells(), cell->columnHeaderCells()}) {
            for (QAccessibleInterface* header : list) {
                headers << header->text(QAccessible::Name);
                // Qt makes each header cell anew and keeps no hold of it.
                QAccessible::deleteAccessibleInterface(
                    QAccessible::registerAccessibleInterface(header));
            }
        }
        name = headers.join(QLatin1String(", ")) + QLatin1String(": ") + name;
    }
    return name;
}

// Name of every reachable node under the root, "" for an unnamed one, with
// where it stands.
void CollectNames(QAccessibleInterface* node, const QString& path,
                  QList<QPair<QString, QString>>& names, int depth = 0) {
    if (node == nullptr || depth > 40) {
        return;
    }
    if (Reachable(node)) {
        names.append({SpokenName(node), path});
    }
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        const QString childPath = path + QLatin1Char('/') +
                                  (child == nullptr ? QStringLiteral("?")
                                   : child->object() != nullptr
                                       ? QLatin1String(child->object()->metaObject()->className())
                                       : QString::number(child->role(), 16));
        CollectNames(child, childPath, names, depth + 1);
    }
}

} // namespace

Q_DECLARE_METATYPE(WindowMaker)

class AccessibleNamesTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir config_;

  private slots:
    void initTestCase() {
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
    }

    void everyControlHasItsOwnName_data() {
        QTest::addColumn<WindowMaker>("make");
        const auto add = [](const char* name, WindowMaker make) {
            QTest::newRow(name) << std::move(make);
        };
        add("main window", [](GameState&, const std::string&) {
            return std::make_unique<MainWindow>(RuntimeDir());
        });
        add("borrow dialog", [](GameState& state, const std::string&) {
            return std::make_unique<BorrowDialog>(state, ShowHelpFunction());
        });
        add("sound files dialog", [](GameState& state, const std::string&) {
            return std::make_unique<SoundFilesDialog>(state, RuntimeDirBytes(),
                                                      SoundFilesDialog::Hooks());
        });
        add("open dialog", [](GameState& state, const std::string& ini) {
            return std::make_unique<SavedGamesDialog>(state, SavedGamesDialog::Open, ini,
                                                      ShowHelpFunction());
        });
        add("save dialog", [](GameState& state, const std::string& ini) {
            return std::make_unique<SavedGamesDialog>(state, SavedGamesDialog::Save, ini,
                                                      ShowHelpFunction());
        });
        add("volume dialog", [](GameState&, const std::string&) {
            return std::make_unique<VolumeDialog>(100, VolumeDialog::Hooks());
        });
        add("statistics window", [](GameState&, const std::string&) {
            // The window reads the statistics while it lives.
            static const PlayerStatistics statistics;
            auto window = std::make_unique<StatisticsWindow>(statistics, ShowHelpFunction());
            window->Refresh();
            return window;
        });
        add("help window", [](GameState&, const std::string&) {
            return std::make_unique<HelpWindow>(RuntimeDirBytes() + "kelvory-help.html");
        });
        for (int screen = 0; screen < InfoScreen::kScreenCount; ++screen) {
            QTest::newRow(qPrintable(QStringLiteral("information screen %1").arg(screen)))
                << WindowMaker([screen](GameState&, const std::string&) {
                       return std::make_unique<InfoScreen>(screen);
                   });
        }
    }
    void everyControlHasItsOwnName() {
        QFETCH(WindowMaker, make);
        GameState state;
        const std::string ini = (config_.path() + QStringLiteral("/KELVRY.INI")).toStdString();
        std::unique_ptr<QWidget> window = make(state, ini);
        window->show();
        QList<QPair<QString, QString>> names;
        CollectNames(QAccessible::queryAccessibleInterface(window.get()), QStringLiteral("root"),
                     names);
        QVERIFY(!names.isEmpty());
        QStringList seen;
        for (const auto& [name, path] : names) {
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(QStringLiteral("unnamed: ") + path));
            QVERIFY2(!seen.contains(name), qPrintable(QStringLiteral("named twice: ") + name));
            seen << name;
        }
    }

    void informationScreensReadAsPlainText() {
        for (int screen = 0; screen < InfoScreen::kScreenCount; ++screen) {
            InfoScreen info(screen);
            for (QLabel* label : info.findChildren<QLabel*>()) {
                QAccessibleInterface* node = QAccessible::queryAccessibleInterface(label);
                QStringList read{node->text(QAccessible::Name),
                                 node->text(QAccessible::Description)};
                if (QAccessibleTextInterface* text = node->textInterface()) {
                    read << text->text(0, text->characterCount());
                }
                for (const QString& words : read) {
                    QVERIFY2(!words.contains(QLatin1Char('<')), qPrintable(words));
                }
            }
        }
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "AccessibleNamesTest.moc"
