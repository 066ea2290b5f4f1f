// SPDX-License-Identifier: MIT
// The saved-game dialog of File > Open and File > Save.
#include "app/dialogs/SavedGamesDialog.h"
#include "app/MainWindow.h"
#include "store/ProfileFile.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/RuntimeDir.h"

#include <QDate>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using kelvory::GameState;
using kelvory::SavedGamesDialog;
using kelvory::test::ModalDriver;
using kelvory::test::RuntimeDir;

namespace {

struct NameAnswer {
    bool accept = true;
    QString text;
};

QString Money(const char* text) {
    return QString::fromLatin1(text).replace('.', QLocale::system().decimalPoint());
}

} // namespace

class SavedGamesDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void neverSavedSlotsShowAFreshGame();
    void dateText();
    void saveWithName_data();
    void saveWithName();
    void openReplacesBalancesOnly();
    void storedValuesAsShown_data();
    void storedValuesAsShown();
    void typedNameInOpenModeChangesNothing();
    void cancelChangesNothing();
    void helpOpensTheSlotsContext();
    void failedWriteShowsErrorAndCloses();
    void openDuringSpinPaysIntoOpenedGame();

  private:
    std::string Ini() const {
        return QFile::encodeName(dir_->filePath("KELVRY.INI")).toStdString();
    }
    QByteArray FileText() const {
        QFile file(dir_->filePath("KELVRY.INI"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Runs the dialog, clicks the slot's button and answers the name box.
    int ChooseSlot(SavedGamesDialog& dialog, int slot, NameAnswer answer = {});

    std::unique_ptr<QTemporaryDir> dir_;
    GameState state_;
    QString namePrompt_;
    int nameBoxSpareWidth_ = 0; // the name box's width beyond its title's
};

void SavedGamesDialogTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    state_ = GameState();
    namePrompt_.clear();
}

int SavedGamesDialogTest::ChooseSlot(SavedGamesDialog& dialog, int slot, NameAnswer answer) {
    ModalDriver driver(ModalDriver::Others::Leave);
    driver.AnswerNext<QInputDialog>([this, answer](QInputDialog* box) {
        auto* edit = box->findChild<QLineEdit*>();
        namePrompt_ = box->windowTitle() + "|" + box->labelText() + "|" +
                      QString::number(edit != nullptr ? edit->maxLength() : -1) + "|" +
                      (edit != nullptr ? edit->selectedText() : QString());
        QFont titleFont = box->font();
        titleFont.setBold(true);
        nameBoxSpareWidth_ =
            box->width() - QFontMetrics(titleFont).horizontalAdvance(box->windowTitle());
        if (answer.accept) {
            box->setTextValue(answer.text);
            box->accept();
        } else {
            box->reject();
        }
    });
    driver.AnswerNext<SavedGamesDialog>([slot](SavedGamesDialog* shown) {
        shown->SlotButtons[static_cast<std::size_t>(slot - 1)]->click();
    });
    return dialog.exec();
}

void SavedGamesDialogTest::neverSavedSlotsShowAFreshGame() {
    SavedGamesDialog dialog(state_, SavedGamesDialog::Open, Ini(), {});
    dialog.show();
    QCOMPARE(dialog.windowTitle(), "Open a Game -- Select Game Slot");
    const QString today = SavedGamesDialog::DateText(QDate::currentDate());
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(dialog.SlotNames[i]->text(), "Game #" + QString::number(i + 1));
        QCOMPARE(dialog.SlotDates[i]->text(), today);
        QCOMPARE(dialog.SlotCredits[i]->text(), Money("1000.00") + " credits");
        QCOMPARE(dialog.SlotBorrowed[i]->text(), Money("1000.00") + " borrowed");
        QCOMPARE(dialog.SlotTitles[i]->text(), "Kelvory");
    }
    // Slot 3 is the third panel of the left column, slot 5 the top of the right.
    QCOMPARE(dialog.SlotPanels[2]->geometry(), QRect(16, 160, 289, 65));
    QCOMPARE(dialog.SlotPanels[4]->geometry(), QRect(312, 16, 289, 65));
    QCOMPARE(dialog.SlotButtons[7]->objectName(), "slotButton8");
    QCOMPARE(dialog.size(), QSize(616, 360));
    QVERIFY(!QFile::exists(dir_->filePath("KELVRY.INI")));
}

void SavedGamesDialogTest::dateText() {
    const QString text = SavedGamesDialog::DateText(QDate(2031, 4, 9));
    QCOMPARE(text.size(), 8);
    QCOMPARE(text.mid(0, 2) + text.mid(3, 2) + text.mid(6, 2), "040931");
    QCOMPARE(text[2], text[5]);
    QVERIFY(!text[2].isDigit());
}

void SavedGamesDialogTest::saveWithName_data() {
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("name") << true << "My big win"
                          << "My big win";
    QTest::newRow("empty name") << true << ""
                                << "";
    QTest::newRow("150 characters stored whole, shown cut")
        << true << QString(150, 'n') << QString(100, 'n');
    QTest::newRow("cancelled") << false << "ignored"
                               << "Game #3";
}

void SavedGamesDialogTest::saveWithName() {
    QFETCH(bool, accept);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    kelvory::ProfileFile::Write(Ini(), "Settings", "Credits", "7.00");
    const QByteArray before = FileText();
    state_.Credits = 12.5;
    state_.Borrowed = 2000;
    {
        SavedGamesDialog dialog(state_, SavedGamesDialog::Save, Ini(), {});
        QCOMPARE(ChooseSlot(dialog, 3, {accept, typed}), int(QDialog::Accepted));
        QCOMPARE(dialog.windowTitle(), "Save a Game -- Select Game Slot");
    }
    QCOMPARE(namePrompt_, "Name for this saved game?||255|Game #3");
    // The title shows whole, beside a close button.
    QVERIFY2(nameBoxSpareWidth_ >= 48, qPrintable(QString::number(nameBoxSpareWidth_)));
    QCOMPARE(state_.Credits, 12.5);
    if (!accept) {
        QCOMPARE(FileText(), before);
        return;
    }
    const QString today = SavedGamesDialog::DateText(QDate::currentDate());
    QCOMPARE(FileText(), before + "\n[Saved Game 3]\nName=" + typed.toUtf8() +
                             "\nDate=" + today.toUtf8() + "\nCredits=12.50\nBorrowed=2000.00\n");

    SavedGamesDialog reopened(state_, SavedGamesDialog::Open, Ini(), {});
    reopened.show();
    QCOMPARE(reopened.SlotNames[2]->text(), shown);
    QCOMPARE(reopened.SlotDates[2]->text(), today);
    QCOMPARE(reopened.SlotCredits[2]->text(), Money("12.50") + " credits");
    QCOMPARE(reopened.SlotBorrowed[2]->text(), Money("2000.00") + " borrowed");
    // A screen reader on the slot's button hears what the panel shows.
    QCOMPARE(reopened.SlotButtons[2]->accessibleDescription(), shown + ", " + today + ", " +
                                                                   Money("12.50") + " credits, " +
                                                                   Money("2000.00") + " borrowed");
}

void SavedGamesDialogTest::openReplacesBalancesOnly() {
    kelvory::ProfileFile::Write(Ini(), "Saved Game 6", "Credits", "55.55");
    kelvory::ProfileFile::Write(Ini(), "Settings", "Credits", "7.00");
    const QByteArray before = FileText();
    state_.Credits = 3;
    state_.Borrowed = 4;
    state_.Spins = 9;
    state_.Speed = 55;
    {
        SavedGamesDialog dialog(state_, SavedGamesDialog::Open, Ini(), {});
        QCOMPARE(ChooseSlot(dialog, 6), int(QDialog::Accepted));
    }
    QCOMPARE(state_.Credits, 55.55);
    QCOMPARE(state_.Borrowed, 1000.0);
    QCOMPARE(state_.Spins, 9);
    QCOMPARE(state_.Speed, 55);
    QCOMPARE(FileText(), before);
    QVERIFY(namePrompt_.isEmpty());

    SavedGamesDialog fresh(state_, SavedGamesDialog::Open, Ini(), {});
    QCOMPARE(ChooseSlot(fresh, 8), int(QDialog::Accepted));
    QCOMPARE(state_.Credits, 1000.0);
    QCOMPARE(state_.Borrowed, 1000.0);
}

void SavedGamesDialogTest::storedValuesAsShown_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<double>("credits");
    QTest::addColumn<QString>("shown");
    QTest::newRow("one fraction digit") << "12.5" << 12.5 << "12.50";
    QTest::newRow("two fraction digits") << "12.05" << 12.05 << "12.05";
    QTest::newRow("letters") << "none" << 0.0 << "0.00";
    QTest::newRow("above the meters held at the largest")
        << "12345678901" << 999999999.99 << "999999999.99";
}

void SavedGamesDialogTest::storedValuesAsShown() {
    QFETCH(QString, stored);
    QFETCH(double, credits);
    QFETCH(QString, shown);
    kelvory::ProfileFile::Write(Ini(), "Saved Game 2", "Credits", stored.toStdString());
    const std::size_t readsBefore = kelvory::ProfileFile::ReadCount();
    SavedGamesDialog dialog(state_, SavedGamesDialog::Open, Ini(), {});
    QCOMPARE(kelvory::ProfileFile::ReadCount() - readsBefore, 1u); // all eight slots at once
    dialog.show();
    QCOMPARE(dialog.SlotCredits[1]->text(), Money(shown.toLatin1().constData()) + " credits");
    dialog.hide();
    QCOMPARE(ChooseSlot(dialog, 2), int(QDialog::Accepted));
    QCOMPARE(state_.Credits, credits);
}

void SavedGamesDialogTest::typedNameInOpenModeChangesNothing() {
    SavedGamesDialog dialog(state_, SavedGamesDialog::Open, Ini(), {});
    dialog.show();
    QTest::keyClicks(dialog.SlotNames[0], "renamed");
    dialog.hide();
    QCOMPARE(ChooseSlot(dialog, 2), int(QDialog::Accepted));
    QVERIFY(!QFile::exists(dir_->filePath("KELVRY.INI")));
}

void SavedGamesDialogTest::cancelChangesNothing() {
    state_.Credits = 42;
    SavedGamesDialog dialog(state_, SavedGamesDialog::Save, Ini(), {});
    ModalDriver driver(ModalDriver::Others::Leave);
    driver.AnswerNext<SavedGamesDialog>(
        [](SavedGamesDialog* shown) { shown->CancelButton->click(); });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(state_.Credits, 42.0);
    QVERIFY(!QFile::exists(dir_->filePath("KELVRY.INI")));
}

void SavedGamesDialogTest::helpOpensTheSlotsContext() {
    QList<int> contexts;
    SavedGamesDialog dialog(
        state_, SavedGamesDialog::Open, Ini(),
        [&contexts](kelvory::HelpContext c) { contexts << static_cast<int>(c); });
    dialog.show();
    dialog.HelpButton->click();
    QTest::keyClick(&dialog, Qt::Key_F1);
    QCOMPARE(contexts, (QList<int>{41006, 41006}));
    QVERIFY(dialog.isVisible());
}

void SavedGamesDialogTest::failedWriteShowsErrorAndCloses() {
    QFile plain(dir_->filePath("plain"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString path = dir_->filePath("plain") + "/KELVRY.INI";
    state_.Credits = 77;
    SavedGamesDialog dialog(state_, SavedGamesDialog::Save, QFile::encodeName(path).toStdString(),
                            {});
    QString message;
    ModalDriver driver(ModalDriver::Others::Leave);
    driver.AnswerNext<QMessageBox>([&message](QMessageBox* error) {
        message = error->text();
        error->close();
    });
    driver.AnswerNext<QInputDialog>([](QInputDialog* box) { box->accept(); });
    driver.AnswerNext<SavedGamesDialog>(
        [](SavedGamesDialog* shown) { shown->SlotButtons[0]->click(); });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(message, "Unable to write to " + path + ".");
    QCOMPARE(state_.Credits, 77.0);
}

void SavedGamesDialogTest::openDuringSpinPaysIntoOpenedGame() {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_->path()));
    kelvory::ProfileFile::Write(Ini(), "Saved Game 4", "Credits", "500.00");
    kelvory::MainWindow window(RuntimeDir());
    window.show();
    bool spinning = false;
    QTimer::singleShot(1500, &window, [&] {
        spinning = window.State().Spinning;
        ModalDriver driver(ModalDriver::Others::Leave);
        driver.AnswerNext<SavedGamesDialog>(
            [](SavedGamesDialog* dialog) { dialog->SlotButtons[3]->click(); });
        window.Menu().OpenGameItem->trigger();
    });
    window.BetTwo();
    QVERIFY(spinning);
    QCOMPARE(window.State().Credits, 500.0 + window.State().WinAmount);
    QCOMPARE(window.State().Borrowed, 1000.0);
    // The slot stays as it was; the game saved as it goes on is the opened one.
    QCOMPARE(kelvory::ProfileFile::Read(Ini(), "Saved Game 4", "Credits", ""),
             std::string("500.00"));
    QCOMPARE(QString::fromStdString(kelvory::ProfileFile::Read(Ini(), "Settings", "Credits", "")),
             QString::number(window.State().Credits, 'f', 2));
}

QTEST_MAIN(SavedGamesDialogTest)
#include "SavedGamesDialogTest.moc"
