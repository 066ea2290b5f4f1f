// SPDX-License-Identifier: MIT
#include "TSoundForm.h"
#include "tests/support/ModalDriver.h"

#include <QFile>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvory;
using kelvory::test::ModalDriver;

class SoundDialogTest : public QObject {
    Q_OBJECT
  private:
    GameState state_;
    std::vector<std::string> played_;
    std::vector<int> help_;
    QTemporaryDir dir_;

    std::unique_ptr<TSoundForm> Form(const std::string& programDir = "/opt/kelvory/") {
        TSoundForm::Hooks hooks;
        hooks.PlayFile = [this](const std::string& path) { played_.push_back(path); };
        hooks.ShowHelp = [this](int context) { help_.push_back(context); };
        return std::make_unique<TSoundForm>(state_, programDir, std::move(hooks));
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

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("hint");
        const QString change =
            "Click this button to browse your hard drive for a sound for this event.";
        const QString preview = "Click this button to play the currently selected sound file.";
        QTest::newRow("Label2") << "Label2"
                                << "Lose Sound:" << QRect(16, 40, 87, 16)
                                << "This is a sound which plays on a losing spin.";
        QTest::newRow("Button2") << "Button2"
                                 << "Change" << QRect(176, 40, 81, 25) << change;
        QTest::newRow("Button7") << "Button7"
                                 << "Preview" << QRect(288, 40, 81, 25) << preview;
        QTest::newRow("Label5") << "Label5"
                                << "Win Sound:" << QRect(16, 104, 79, 16)
                                << "This is a sound which plays on a winning spin.";
        QTest::newRow("Button5") << "Button5"
                                 << "Change" << QRect(176, 104, 81, 25) << change;
        QTest::newRow("Button10") << "Button10"
                                  << "Preview" << QRect(288, 104, 81, 25) << preview;
        QTest::newRow("Button11")
            << "Button11"
            << "Restore Default Sounds" << QRect(16, 216, 353, 33)
            << "Click this button to use the default (original) sounds for the above events.";
        QTest::newRow("OKBtn") << "OKBtn"
                               << "&OK" << QRect(120, 284, 153, 27) << "";
    }
    void controls() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, place);
        QFETCH(QString, hint);
        auto form = Form();
        QCOMPARE(form->windowTitle(), "Change Sounds (WAV Files)");
        QCOMPARE(form->size(), QSize(394, 322));
        auto* widget = form->findChild<QWidget*>(name);
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->pos(), place.topLeft());
        // Buttons keep their size; labels may grow to fit their text.
        if (qobject_cast<QLabel*>(widget)) {
            QVERIFY(widget->width() >= place.width() && widget->height() >= place.height());
            QCOMPARE(widget->sizeHint().width() <= widget->width(), true);
        } else {
            QCOMPARE(widget->size(), place.size());
        }
        QCOMPARE(widget->toolTip(), hint);
        const QString text = qobject_cast<QLabel*>(widget)
                                 ? qobject_cast<QLabel*>(widget)->text()
                                 : qobject_cast<QPushButton*>(widget)->text();
        QCOMPARE(text, caption);
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
        (win ? form->Button10 : form->Button7)->click();
        QCOMPARE(played_, std::vector<std::string>{win ? state_.WinSound : state_.LoseSound});
    }

    void restoreDefaultSoundsPointsIntoTheProgramFolder() {
        state_.WinSound = "/home/me/tada.wav";
        state_.LoseSound = "/home/me/boo.wav";
        auto form = Form();
        ModalDriver driver;
        form->Button11->click();
        QCOMPARE(state_.WinSound, "/opt/kelvory/KELVRY4.WAV");
        QCOMPARE(state_.LoseSound, "/opt/kelvory/KELVRY5.WAV");
        QVERIFY(driver.windows.isEmpty());
        // A folder name that is not UTF-8 keeps its bytes.
        Form("/opt/k\xe9lvory/")->Button11->click();
        QCOMPARE(state_.WinSound, "/opt/k\xe9lvory/KELVRY4.WAV");
    }

    void changeSetsThePathAndRemembersTheFolder() {
        const QString first = MakeFile("first/Fanfare.WAV");
        const QString second = MakeFile("first/sad.wav");
        auto form = Form();
        Browse(form->Button5, first);
        QCOMPARE(QString::fromStdString(state_.WinSound), first);
        QCOMPARE(QString::fromStdString(state_.LoseSound), "/opt/kelvory/KELVRY5.WAV");
        // The second browse of this opening starts in the first file's folder.
        const QString shown = Browse(form->Button2, second);
        QCOMPARE(shown, QFileInfo(first).absolutePath());
        QCOMPARE(QString::fromStdString(state_.LoseSound), second);
        // Closing with the close box keeps both.
        form->reject();
        QCOMPARE(QString::fromStdString(state_.WinSound), first);
    }

    void cancelChangesNothing() {
        auto form = Form();
        Browse(form->Button5, QString());
        QCOMPARE(state_.WinSound, "/opt/kelvory/KELVRY4.WAV");
    }

    void typedNameNeedNotExist() {
        auto form = Form();
        const QString missing = dir_.filePath("not-there.wav");
        Browse(form->Button2, missing);
        QCOMPARE(QString::fromStdString(state_.LoseSound), missing);
    }

    void longChoiceIsCutTo255Characters() {
        QString folder = dir_.filePath(QString(120, QLatin1Char('a')));
        folder += QLatin1Char('/') + QString(120, QLatin1Char('b'));
        const QString file = MakeFile(folder.mid(dir_.path().size() + 1) + "/sound.wav");
        QVERIFY(file.size() > 255);
        auto form = Form();
        Browse(form->Button5, file);
        QCOMPARE(QString::fromStdString(state_.WinSound), file.left(255));
    }

    void filterMatchesWavInAnyCase() {
        MakeFile("mixed/a.wav");
        MakeFile("mixed/B.WAV");
        MakeFile("mixed/c.Wav");
        MakeFile("mixed/d.txt");
        auto form = Form();
        QFileDialog* open = form->OpenDialog1;
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

QTEST_MAIN(SoundDialogTest)
#include "SoundDialogTest.moc"
