// SPDX-License-Identifier: MIT
#include "app/dialogs/SoundFilesDialog.h"
#include "game/GameState.h"
#include "tests/support/KeyboardFocus.h"
#include "tests/support/ModalDriver.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvory;
using kelvory::test::ModalDriver;
using kelvory::test::TabTo;

class SoundFilesDialogTest : public QObject {
    Q_OBJECT
  private:
    GameState state_;
    std::vector<std::string> played_;
    std::vector<int> help_;
    QTemporaryDir dir_;

    std::unique_ptr<SoundFilesDialog> Form(const std::string& programDir = "/opt/kelvory/") {
        SoundFilesDialog::Hooks hooks;
        hooks.PlayFile = [this](const std::string& path) { played_.push_back(path); };
        hooks.ShowHelp = [this](HelpContext context) {
            help_.push_back(static_cast<int>(context));
        };
        return std::make_unique<SoundFilesDialog>(state_, programDir, std::move(hooks));
    }

    // Runs a "Change" click, answering the open dialog with `answer` (a file
    // name typed into it, or empty to cancel). Returns the folder the open
    // dialog showed when it came up.
    QString Browse(QPushButton* change, const QString& answer) {
        QString shownFolder;
        ModalDriver driver;
        driver.AnswerNext<QFileDialog>([&](QFileDialog* open) {
            shownFolder = open->directory().absolutePath();
            if (answer.isEmpty()) {
                open->reject();
            } else {
                // What the player types into the file name field.
                open->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(answer);
                QMetaObject::invokeMethod(open, "accept");
            }
        });
        change->click();
        return shownFolder;
    }

    // The button captioned `caption` on the row of the label `row`, or
    // anywhere when `row` is empty.
    static QPushButton* ButtonOnRow(QDialog& dialog, const QString& row, const QString& caption) {
        QRect band(0, 0, dialog.width(), dialog.height());
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            if (!row.isEmpty() && label->text() == row) {
                band = QRect(0, label->y(), dialog.width(), label->height());
            }
        }
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == caption && button->geometry().intersects(band)) {
                return button;
            }
        }
        return nullptr;
    }

    QString MakeFile(const QString& relative) {
        const QString path = dir_.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        return path;
    }

  private slots:
    void init() {
        state_ = GameState();
        state_.WinSound = "/opt/kelvory/KELVRY4.WAV";
        state_.LoseSound = "/opt/kelvory/KELVRY5.WAV";
        played_.clear();
        help_.clear();
    }

    // The player reaches each button of the dialog with Tab and presses it
    // with Space; each acts on the sound of its own row, and Return then
    // closes the dialog with OK keeping the choice.
    void everyButtonWorksFromTheKeyboard_data() {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("played");
        QTest::addColumn<QString>("winSound");
        QTest::addColumn<QString>("loseSound");
        const QString win = "/home/me/tada.wav";
        const QString lose = "/home/me/boo.wav";
        const QString chosen = dir_.filePath("chosen.wav");
        QTest::newRow("preview the lose sound") << "Lose Sound:"
                                                << "Preview" << lose << win << lose;
        QTest::newRow("preview the win sound") << "Win Sound:"
                                               << "Preview" << win << win << lose;
        QTest::newRow("change the lose sound") << "Lose Sound:"
                                               << "Change"
                                               << "" << win << chosen;
        QTest::newRow("change the win sound") << "Win Sound:"
                                              << "Change"
                                              << "" << chosen << lose;
        QTest::newRow("restore the defaults") << ""
                                              << "Restore Default Sounds"
                                              << ""
                                              << "/opt/kelvory/KELVRY4.WAV"
                                              << "/opt/kelvory/KELVRY5.WAV";
    }
    void everyButtonWorksFromTheKeyboard() {
        QFETCH(QString, row);
        QFETCH(QString, caption);
        QFETCH(QString, played);
        QFETCH(QString, winSound);
        QFETCH(QString, loseSound);
        state_.WinSound = "/home/me/tada.wav";
        state_.LoseSound = "/home/me/boo.wav";
        auto form = Form();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QPushButton* button = ButtonOnRow(*form, row, caption);
        QVERIFY(button != nullptr);
        QVERIFY(TabTo(*form, *button));
        ModalDriver driver;
        driver.AnswerNext<QFileDialog>([this](QFileDialog* open) {
            open->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                ->setText(dir_.filePath("chosen.wav"));
            QMetaObject::invokeMethod(open, "accept");
        });
        QTest::keyClick(button, Qt::Key_Space);
        QStringList plays;
        for (const std::string& path : played_) {
            plays << QString::fromStdString(path);
        }
        QCOMPARE(plays, played.isEmpty() ? QStringList() : QStringList{played});
        QCOMPARE(QString::fromStdString(state_.WinSound), winSound);
        QCOMPARE(QString::fromStdString(state_.LoseSound), loseSound);
        QTest::keyClick(button, Qt::Key_Return);
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QVERIFY(!form->isVisible());
        QCOMPARE(QString::fromStdString(state_.WinSound), winSound);
    }

    void previewIgnoresTheSwitches_data() {
        QTest::addColumn<bool>("win");
        QTest::newRow("lose row") << false;
        QTest::newRow("win row") << true;
    }
    void previewIgnoresTheSwitches() {
        QFETCH(bool, win);
        state_.Sound = false;
        state_.sndWin = false;
        state_.sndLose = false;
        auto form = Form();
        (win ? form->PreviewWinButton : form->PreviewLoseButton)->click();
        QCOMPARE(played_, std::vector<std::string>{win ? state_.WinSound : state_.LoseSound});
    }

    void restoreDefaultSoundsPointsIntoTheProgramFolder() {
        state_.WinSound = "/home/me/tada.wav";
        state_.LoseSound = "/home/me/boo.wav";
        auto form = Form();
        ModalDriver driver;
        form->RestoreDefaultsButton->click();
        QCOMPARE(state_.WinSound, "/opt/kelvory/KELVRY4.WAV");
        QCOMPARE(state_.LoseSound, "/opt/kelvory/KELVRY5.WAV");
        QCOMPARE(form->ChangeWinButton->accessibleDescription(), "/opt/kelvory/KELVRY4.WAV");
        QVERIFY(driver.windows.isEmpty());
        // A folder name that is not UTF-8 keeps its bytes.
        Form("/opt/k\xe9lvory/")->RestoreDefaultsButton->click();
        QCOMPARE(state_.WinSound, "/opt/k\xe9lvory/KELVRY4.WAV");
    }

    void changeSetsThePathAndRemembersTheFolder() {
        const QString first = MakeFile("first/Fanfare.WAV");
        const QString second = MakeFile("first/sad.wav");
        auto form = Form();
        Browse(form->ChangeWinButton, first);
        QCOMPARE(QString::fromStdString(state_.WinSound), first);
        QCOMPARE(QString::fromStdString(state_.LoseSound), "/opt/kelvory/KELVRY5.WAV");
        // The second browse of this opening starts in the first file's folder.
        const QString shown = Browse(form->ChangeLoseButton, second);
        QCOMPARE(shown, QFileInfo(first).absolutePath());
        QCOMPARE(QString::fromStdString(state_.LoseSound), second);
        // A screen reader hears each sound's file with its buttons.
        QCOMPARE(form->PreviewWinButton->accessibleDescription(), first);
        QCOMPARE(form->ChangeLoseButton->accessibleDescription(), second);
        // Closing with the close box keeps both.
        form->reject();
        QCOMPARE(QString::fromStdString(state_.WinSound), first);
    }

    // The file name's completion list is a window of its own: it goes when
    // the browser closes, however the player closes it.
    void completionListClosesWithTheBrowser_data() {
        QTest::addColumn<QString>("closing");
        QTest::newRow("Open") << "accept";
        QTest::newRow("Cancel") << "reject";
        QTest::newRow("close box") << "close";
    }
    void completionListClosesWithTheBrowser() {
        QFETCH(QString, closing);
        MakeFile("sounds/win.wav");
        MakeFile("sounds/wind.wav");
        auto form = Form();
        form->FileDialog->setDirectory(dir_.filePath("sounds"));
        form->show();
        QWidget* completions = nullptr;
        bool completionsShown = false;
        ModalDriver driver(ModalDriver::Others::Leave);
        driver.AnswerNext<QFileDialog>([&](QFileDialog* open) {
            auto* edit = open->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QTest::keyClicks(edit, QStringLiteral("wi"));
            completions = edit->completer()->popup();
            completionsShown = QTest::qWaitFor([&] { return completions->isVisible(); });
            QMetaObject::invokeMethod(open, closing.toLatin1().constData());
        });
        form->ChangeWinButton->click();
        QVERIFY(completionsShown);
        QCoreApplication::processEvents();
        QVERIFY(!completions->isVisible());
    }

    void cancelChangesNothing() {
        auto form = Form();
        Browse(form->ChangeWinButton, QString());
        QCOMPARE(state_.WinSound, "/opt/kelvory/KELVRY4.WAV");
    }

    void typedNameNeedNotExist() {
        auto form = Form();
        const QString missing = dir_.filePath("not-there.wav");
        Browse(form->ChangeLoseButton, missing);
        QCOMPARE(QString::fromStdString(state_.LoseSound), missing);
    }

    void longChoiceIsCutTo255Characters() {
        QString folder = dir_.filePath(QString(120, QLatin1Char('a')));
        folder += QLatin1Char('/') + QString(120, QLatin1Char('b'));
        const QString file = MakeFile(folder.mid(dir_.path().size() + 1) + "/sound.wav");
        QVERIFY(file.size() > 255);
        auto form = Form();
        Browse(form->ChangeWinButton, file);
        QCOMPARE(QString::fromStdString(state_.WinSound), file.left(255));
    }

    void filterMatchesWavInAnyCase() {
        MakeFile("mixed/a.wav");
        MakeFile("mixed/B.WAV");
        MakeFile("mixed/c.Wav");
        MakeFile("mixed/d.txt");
        auto form = Form();
        QFileDialog* open = form->FileDialog;
        QCOMPARE(open->nameFilters(), QStringList{"Wav Files (*.wav *.WAV)"});
        open->setDirectory(dir_.filePath("mixed"));
        auto* model = open->findChild<QFileSystemModel*>();
        QVERIFY(model != nullptr);
        const auto shown = [&] {
            const QModelIndex root = model->index(dir_.filePath("mixed"));
            QStringList names;
            for (int row = 0; row < model->rowCount(root); ++row) {
                const QModelIndex index = model->index(row, 0, root);
                // Names the filter does not match are hidden or greyed out.
                if (model->flags(index) & Qt::ItemIsEnabled) {
                    names << model->fileName(index);
                }
            }
            names.sort();
            return names;
        };
        QTRY_COMPARE(shown(), (QStringList{"B.WAV", "a.wav", "c.Wav"}));
    }

    void f1OpensItsHelpTopic() {
        auto form = Form();
        form->show();
        QTest::keyClick(form.get(), Qt::Key_F1);
        QCOMPARE(help_, std::vector<int>{41009});
    }
};

QTEST_MAIN(SoundFilesDialogTest)
#include "SoundFilesDialogTest.moc"
