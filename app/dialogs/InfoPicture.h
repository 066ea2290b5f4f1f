// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QPainter;

namespace kelvory {

// The pictures of the information screens, drawn with QPainter.
class InfoPicture : public QWidget {
    Q_OBJECT
  public:
    enum Kind { Machine, Offer, Padlock, Symbols, Disc };

    explicit InfoPicture(Kind kind, QWidget* parent = nullptr);

    Kind PictureKind() const { return kind_; }
    QSize sizeHint() const override { return {132, 132}; }

    // A four-leaf clover of the given leaf radius around a centre.
    static void DrawClover(QPainter& painter, QPointF centre, qreal leaf);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void DrawMachine(QPainter& painter) const;
    void DrawOffer(QPainter& painter) const;
    void DrawPadlock(QPainter& painter) const;
    void DrawSymbols(QPainter& painter) const;
    void DrawDisc(QPainter& painter) const;

    Kind kind_;
};

} // namespace kelvory
