// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace kelvory {

class InfoPicture;

// One of the information screens of the Help menu: a picture, a heading and
// a text of the program's own, closed by OK or Escape. Nothing on them needs
// the network.
class InfoScreen : public QDialog {
    Q_OBJECT
  public:
    enum Screen { About = 0, SpecialOffer, SecureOnlineOrders, Catalog, FreeCD };
    static constexpr int kScreenCount = 5;

    explicit InfoScreen(int screen, QWidget* parent = nullptr);

    // The caption, heading and body text of a screen; an unknown number gives
    // the About screen.
    static QString Caption(int screen);
    static QString Heading(int screen);
    static QString Body(int screen);

    QLabel* HeadingLabel() const { return heading_; }
    QLabel* BodyLabel() const { return body_; }
    QPushButton* OkButton() const { return ok_; }
    InfoPicture* Picture() const { return picture_; }

  private:
    QLabel* heading_ = nullptr;
    QLabel* body_ = nullptr;
    QPushButton* ok_ = nullptr;
    InfoPicture* picture_ = nullptr;
};

} // namespace kelvory
