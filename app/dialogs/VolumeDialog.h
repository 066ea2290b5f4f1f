// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QSlider;

namespace kelvory {

// The loudness of every sound, 0 to 100 %, on a slider. A new level takes
// effect at once (closing the dialog undoes nothing); the coin sound plays at
// the new level when the slider is let go, or after each key or click that
// moves it.
class VolumeDialog : public QDialog {
    Q_OBJECT
  public:
    struct Hooks {
        std::function<void(int percent)> SetVolume;
        std::function<void()> PlayPreview;
    };

    VolumeDialog(int percent, Hooks hooks, QWidget* parent = nullptr);

    QSlider* Slider = nullptr;
    QLabel* LevelLabel = nullptr;
    QPushButton* OkButton = nullptr;

  private:
    void ShowLevel(int percent);

    Hooks hooks_;
};

} // namespace kelvory
