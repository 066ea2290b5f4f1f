// SPDX-License-Identifier: MIT
#include "app/dialogs/VolumeDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace kelvory {

namespace {
constexpr int kMaxPercent = 100;
constexpr int kPageStep = 10;
constexpr int kSliderWidth = 220;
} // namespace

VolumeDialog::VolumeDialog(int percent, Hooks hooks, QWidget* parent)
    : QDialog(parent), hooks_(std::move(hooks)) {
    setWindowTitle(QStringLiteral("Volume"));
    auto* label = new QLabel(QStringLiteral("&Volume:"), this);
    Slider = new QSlider(Qt::Horizontal, this);
    Slider->setRange(0, kMaxPercent);
    Slider->setPageStep(kPageStep);
    Slider->setTickPosition(QSlider::TicksBelow);
    Slider->setTickInterval(kPageStep);
    Slider->setMinimumWidth(kSliderWidth);
    Slider->setValue(percent);
    label->setBuddy(Slider);
    LevelLabel = new QLabel(this);
    // Room for "100 %" so that the slider does not move as the text changes.
    LevelLabel->setMinimumWidth(
        LevelLabel->fontMetrics().horizontalAdvance(QStringLiteral("100 %")));
    LevelLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ShowLevel(Slider->value());
    OkButton = new QPushButton(QStringLiteral("&OK"), this);
    OkButton->setDefault(true);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(Slider, 1);
    row->addWidget(LevelLabel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OkButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Slider, &QSlider::valueChanged, this, [this](int value) {
        ShowLevel(value);
        hooks_.SetVolume(value);
        // A drag is heard once, when it ends; a key or a click at once.
        if (!Slider->isSliderDown()) {
            hooks_.PlayPreview();
        }
    });
    connect(Slider, &QSlider::sliderReleased, this, [this] { hooks_.PlayPreview(); });
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    Slider->setFocus();
}

void VolumeDialog::ShowLevel(int percent) {
    LevelLabel->setText(QStringLiteral("%1 %").arg(percent));
}

} // namespace kelvory
