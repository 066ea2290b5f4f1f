// SPDX-License-Identifier: MIT
#include "options/TSoundForm.h"

#include "game/GameState.h"
#include "view/DialogKit.h"
#include "view/HelpContext.h"

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

TSoundForm::TSoundForm(GameState& state, const std::string& programDir, Hooks hooks,
                       QWidget* parent)
    : QDialog(parent), state_(state), programDir_(programDir), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("TSoundForm"));
    setWindowTitle(QStringLiteral("Change Sounds (WAV Files)"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(394, 322);
    setFont(DialogKit::FormFont(11, DialogKit::FontSize::Pixels, DialogKit::FontWeight::Bold));

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 377, 257);

    Label2 =
        AddLabel(QStringLiteral("Label2"), QStringLiteral("Lose Sound:"), QRect(16, 40, 87, 16),
                 QStringLiteral("This is a sound which plays on a losing spin."));
    Button2 = AddButton(QStringLiteral("Button2"), QStringLiteral("Change"), QRect(176, 40, 81, 25),
                        kChangeHint);
    Button7 = AddButton(QStringLiteral("Button7"), QStringLiteral("Preview"),
                        QRect(288, 40, 81, 25), kPreviewHint);
    Label5 =
        AddLabel(QStringLiteral("Label5"), QStringLiteral("Win Sound:"), QRect(16, 104, 79, 16),
                 QStringLiteral("This is a sound which plays on a winning spin."));
    Button5 = AddButton(QStringLiteral("Button5"), QStringLiteral("Change"),
                        QRect(176, 104, 81, 25), kChangeHint);
    Button10 = AddButton(QStringLiteral("Button10"), QStringLiteral("Preview"),
                         QRect(288, 104, 81, 25), kPreviewHint);
    Button11 = AddButton(
        QStringLiteral("Button11"), QStringLiteral("Restore Default Sounds"),
        QRect(16, 216, 353, 33),
        QStringLiteral(
            "Click this button to use the default (original) sounds for the above events."));

    OKBtn = new QPushButton(QStringLiteral("&OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(120, 284, 153, 27);
    OKBtn->setDefault(true);
    OKBtn->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    connect(Button2, &QPushButton::clicked, this, &TSoundForm::Button2Click);
    connect(Button5, &QPushButton::clicked, this, &TSoundForm::Button5Click);
    connect(Button7, &QPushButton::clicked, this, &TSoundForm::Button7Click);
    connect(Button10, &QPushButton::clicked, this, &TSoundForm::Button10Click);
    connect(Button11, &QPushButton::clicked, this, &TSoundForm::Button11Click);

    // Qt's own dialog: the same on every desktop, and its name filter matches
    // .wav in any case.
    OpenDialog1 = new QFileDialog(this);
    OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    OpenDialog1->setOption(QFileDialog::DontUseNativeDialog);
    OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
    OpenDialog1->setFileMode(QFileDialog::AnyFile);
    OpenDialog1->setNameFilter(QStringLiteral("Wav Files (*.wav *.WAV)"));
    OpenDialog1->setFilter(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot);

    OKBtn->setFocus();
}

QPushButton* TSoundForm::AddButton(const QString& name, const QString& caption, const QRect& place,
                                   const QString& hint) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(place);
    button->setFont(
        DialogKit::FormFont(11, DialogKit::FontSize::Pixels, DialogKit::FontWeight::Normal));
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

QLabel* TSoundForm::AddLabel(const QString& name, const QString& caption, const QRect& place,
                             const QString& hint) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setFont(
        DialogKit::FormFont(13, DialogKit::FontSize::Pixels, DialogKit::FontWeight::Bold));
    label->setToolTip(hint);
    // Labels size themselves to their text, as the fonts here may be wider.
    label->resize(label->sizeHint().expandedTo(place.size()));
    return label;
}

void TSoundForm::ChooseFile(std::string& path) {
    if (OpenDialog1->exec() != QDialog::Accepted) {
        return;
    }
    const QStringList files = OpenDialog1->selectedFiles();
    if (files.isEmpty()) {
        return;
    }
    const QFileInfo chosen(files.first());
    const QString full = chosen.absoluteFilePath();
    path = QFile::encodeName(full.left(kMaxTextLength)).toStdString();
    // The next browse in this opening starts at this file.
    OpenDialog1->setDirectory(chosen.absolutePath());
    OpenDialog1->selectFile(chosen.fileName());
}

void TSoundForm::Button2Click() {
    ChooseFile(state_.LoseSound);
}
void TSoundForm::Button5Click() {
    ChooseFile(state_.WinSound);
}

void TSoundForm::Button7Click() {
    if (hooks_.PlayFile) {
        hooks_.PlayFile(state_.LoseSound);
    }
}

void TSoundForm::Button10Click() {
    if (hooks_.PlayFile) {
        hooks_.PlayFile(state_.WinSound);
    }
}

void TSoundForm::Button11Click() {
    state_.RestoreDefaultSounds(programDir_);
}

void TSoundForm::keyPressEvent(QKeyEvent* event) {
    if (DialogKit::HandleHelpKey(event, hooks_.ShowHelp, HelpContext::Sounds)) {
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace kelvory
