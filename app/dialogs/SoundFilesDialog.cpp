// SPDX-License-Identifier: MIT
#include "app/dialogs/SoundFilesDialog.h"

#include "app/dialogs/DialogKit.h"
#include "app/dialogs/HelpContext.h"
#include "game/GameState.h"
#include "view/Fonts.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace kelvory {

namespace {
const QString kChangeHint =
    QStringLiteral("Click this button to browse your hard drive for a sound for this event.");
const QString kPreviewHint =
    QStringLiteral("Click this button to play the currently selected sound file.");
} // namespace

SoundFilesDialog::SoundFilesDialog(GameState& state, const std::string& programDir, Hooks hooks,
                                   QWidget* parent)
    : QDialog(parent), state_(state), programDir_(programDir), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("SoundFilesDialog"));
    setWindowTitle(QStringLiteral("Change Sounds (WAV Files)"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(394, 322);
    setFont(Fonts::Dialog(11, Fonts::Size::Pixels, Fonts::Weight::Bold));

    Frame = new QFrame(this);
    Frame->setObjectName(QStringLiteral("frame"));
    Frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame->setGeometry(8, 8, 377, 257);

    LoseSoundLabel = AddLabel(QStringLiteral("loseSoundLabel"), QStringLiteral("Lose Sound:"),
                              QRect(16, 40, 87, 16),
                              QStringLiteral("This is a sound which plays on a losing spin."));
    ChangeLoseButton = AddButton(QStringLiteral("changeLoseButton"), QStringLiteral("Change"),
                                 QRect(176, 40, 81, 25), kChangeHint);
    PreviewLoseButton = AddButton(QStringLiteral("previewLoseButton"), QStringLiteral("Preview"),
                                  QRect(288, 40, 81, 25), kPreviewHint);
    WinSoundLabel = AddLabel(QStringLiteral("winSoundLabel"), QStringLiteral("Win Sound:"),
                             QRect(16, 104, 79, 16),
                             QStringLiteral("This is a sound which plays on a winning spin."));
    ChangeWinButton = AddButton(QStringLiteral("changeWinButton"), QStringLiteral("Change"),
                                QRect(176, 104, 81, 25), kChangeHint);
    PreviewWinButton = AddButton(QStringLiteral("previewWinButton"), QStringLiteral("Preview"),
                                 QRect(288, 104, 81, 25), kPreviewHint);
    RestoreDefaultsButton = AddButton(
        QStringLiteral("restoreDefaultsButton"), QStringLiteral("Restore Default Sounds"),
        QRect(16, 216, 353, 33),
        QStringLiteral(
            "Click this button to use the default (original) sounds for the above events."));

    OkButton = new QPushButton(QStringLiteral("&OK"), this);
    OkButton->setObjectName(QStringLiteral("okButton"));
    OkButton->setGeometry(120, 284, 153, 27);
    OkButton->setDefault(true);
    OkButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

    connect(ChangeLoseButton, &QPushButton::clicked, this, &SoundFilesDialog::ChangeLoseSound);
    connect(ChangeWinButton, &QPushButton::clicked, this, &SoundFilesDialog::ChangeWinSound);
    connect(PreviewLoseButton, &QPushButton::clicked, this, &SoundFilesDialog::PreviewLoseSound);
    connect(PreviewWinButton, &QPushButton::clicked, this, &SoundFilesDialog::PreviewWinSound);
    connect(RestoreDefaultsButton, &QPushButton::clicked, this,
            &SoundFilesDialog::RestoreDefaultSounds);

    // Qt's own dialog: the same on every desktop, and its name filter matches
    // .wav in any case.
    FileDialog = new QFileDialog(this);
    FileDialog->setObjectName(QStringLiteral("fileDialog"));
    FileDialog->setOption(QFileDialog::DontUseNativeDialog);
    FileDialog->setAcceptMode(QFileDialog::AcceptOpen);
    FileDialog->setFileMode(QFileDialog::AnyFile);
    FileDialog->setNameFilter(QStringLiteral("Wav Files (*.wav *.WAV)"));
    FileDialog->setFilter(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot);
    // The file name's completion list is a window of its own that Qt leaves
    // showing when the browser closes under it: it would float over the game.
    connect(FileDialog, &QDialog::finished, this, [this] {
        for (const QCompleter* completer : FileDialog->findChildren<QCompleter*>()) {
            if (completer->popup() != nullptr) {
                completer->popup()->hide();
            }
        }
    });

    DialogKit::AddHelpKey(this, hooks_.ShowHelp, HelpContext::Sounds);
    UpdateAccessibleNames();
    OkButton->setFocus();
}

void SoundFilesDialog::UpdateAccessibleNames() {
    const QString loseFile = QFile::decodeName(QByteArray::fromStdString(state_.LoseSound));
    const QString winFile = QFile::decodeName(QByteArray::fromStdString(state_.WinSound));
    ChangeLoseButton->setAccessibleName(QStringLiteral("Change lose sound"));
    ChangeLoseButton->setAccessibleDescription(loseFile);
    PreviewLoseButton->setAccessibleName(QStringLiteral("Preview lose sound"));
    PreviewLoseButton->setAccessibleDescription(loseFile);
    ChangeWinButton->setAccessibleName(QStringLiteral("Change win sound"));
    ChangeWinButton->setAccessibleDescription(winFile);
    PreviewWinButton->setAccessibleName(QStringLiteral("Preview win sound"));
    PreviewWinButton->setAccessibleDescription(winFile);
}

QPushButton* SoundFilesDialog::AddButton(const QString& name, const QString& caption,
                                         const QRect& place, const QString& hint) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(place);
    button->setFont(Fonts::Dialog(11, Fonts::Size::Pixels, Fonts::Weight::Normal));
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

QLabel* SoundFilesDialog::AddLabel(const QString& name, const QString& caption, const QRect& place,
                                   const QString& hint) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setFont(Fonts::Dialog(13, Fonts::Size::Pixels, Fonts::Weight::Bold));
    label->setToolTip(hint);
    // Labels size themselves to their text, as the fonts here may be wider.
    label->resize(label->sizeHint().expandedTo(place.size()));
    return label;
}

void SoundFilesDialog::ChooseFile(std::string& path) {
    if (FileDialog->exec() != QDialog::Accepted) {
        return;
    }
    const QStringList files = FileDialog->selectedFiles();
    if (files.isEmpty()) {
        return;
    }
    const QFileInfo chosen(files.first());
    const QString full = chosen.absoluteFilePath();
    path = QFile::encodeName(full.left(kMaxTextLength)).toStdString();
    // The next browse in this opening starts at this file.
    FileDialog->setDirectory(chosen.absolutePath());
    FileDialog->selectFile(chosen.fileName());
}

void SoundFilesDialog::ChangeLoseSound() {
    ChooseFile(state_.LoseSound);
    UpdateAccessibleNames();
}
void SoundFilesDialog::ChangeWinSound() {
    ChooseFile(state_.WinSound);
    UpdateAccessibleNames();
}

void SoundFilesDialog::PreviewLoseSound() {
    if (hooks_.PlayFile) {
        hooks_.PlayFile(state_.LoseSound);
    }
}

void SoundFilesDialog::PreviewWinSound() {
    if (hooks_.PlayFile) {
        hooks_.PlayFile(state_.WinSound);
    }
}

void SoundFilesDialog::RestoreDefaultSounds() {
    state_.RestoreDefaultSounds(programDir_);
    UpdateAccessibleNames();
}

} // namespace kelvory
