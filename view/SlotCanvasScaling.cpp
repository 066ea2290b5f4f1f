// SPDX-License-Identifier: MIT
// The composition's scale on the canvas: where the canvas stands on the
// screen, how its rectangles map to the client area, and the buttons grown
// with the rest.
#include "view/SlotCanvas.h"

#include "view/Fonts.h"
#include "view/Pictures.h"

#include <QPushButton>

#include <cmath>

namespace kelvory {

namespace {
int Physical(int logical, qreal ratio) {
    return static_cast<int>(std::ceil(logical * ratio - 1e-6));
}

} // namespace

QRect SlotCanvas::DeviceRect(const QRect& logical) const {
    const qreal ratio = CanvasRatio();
    if (ratio == 1.0) {
        return logical;
    }
    const int left = qRound(logical.x() * ratio);
    const int top = qRound(logical.y() * ratio);
    const int right = qRound((logical.x() + logical.width()) * ratio);
    const int bottom = qRound((logical.y() + logical.height()) * ratio);
    return {left, top, right - left, bottom - top};
}

QRect SlotCanvas::OnScreen(const QRect& canvasRect) const {
    const QRectF device = QRectF(DeviceRect(canvasRect).translated(canvasOrigin_));
    return QRect(QPoint(static_cast<int>(std::floor(device.left() / ratio_)),
                        static_cast<int>(std::floor(device.top() / ratio_))),
                 QPoint(static_cast<int>(std::ceil(device.right() / ratio_ - 1e-6)) - 1,
                        static_cast<int>(std::ceil(device.bottom() / ratio_ - 1e-6)) - 1));
}

QRect SlotCanvas::WhollyOnScreen(const QRect& canvasRect) const {
    const QRectF device = QRectF(DeviceRect(canvasRect).translated(canvasOrigin_));
    return QRect(QPoint(static_cast<int>(std::ceil(device.left() / ratio_ - 1e-6)),
                        static_cast<int>(std::ceil(device.top() / ratio_ - 1e-6))),
                 QPoint(static_cast<int>(std::floor(device.right() / ratio_ + 1e-6)) - 1,
                        static_cast<int>(std::floor(device.bottom() / ratio_ + 1e-6)) - 1));
}

QPoint SlotCanvas::Offset() const {
    return offset_ + QPoint(qRound(canvasOrigin_.x() / ratio_), qRound(canvasOrigin_.y() / ratio_));
}

void SlotCanvas::SetRatioOverride(qreal ratio) {
    ratioOverride_ = ratio;
    LayOut();
}

qreal SlotCanvas::ScreenRatio() const {
    return ratioOverride_ > 0 ? ratioOverride_ : devicePixelRatioF();
}

void SlotCanvas::ChooseScale() {
    scale_ = layout_.Scale(size());
    canvasOrigin_ = QPoint();
    if (scale_ == 1.0) {
        canvasArea_ = size();
        return;
    }
    canvasArea_ = layout_.Values().designClient;
    const qreal ratio = CanvasRatio();
    canvasOrigin_ =
        QPoint((Physical(width(), ratio_) - Physical(canvasArea_.width(), ratio)) / 2,
               (Physical(height(), ratio_) - Physical(canvasArea_.height(), ratio)) / 2);
}

void SlotCanvas::ScaleButtons() {
    if (buttonScale_ == scale_) {
        return;
    }
    buttonScale_ = scale_;
    for (QPushButton* button : {betOneButton_, betTwoButton_, spinButton_}) {
        button->setFont(Fonts::Button(qRound(kButtonTextPixels * scale_)));
    }
    const auto scaled = [this](const QImage& glyph) {
        return QSize(qRound(glyph.width() * scale_), qRound(glyph.height() * scale_));
    };
    betOneButton_->setIconSize(scaled(Pictures::BetOneGlyph()));
    betTwoButton_->setIconSize(scaled(Pictures::BetTwoGlyph()));
    spinButton_->setIconSize(scaled(Pictures::SpinGlyph()));
}

void SlotCanvas::PlaceButtons() {
    ScaleButtons();
    if (scale_ != 1.0) {
        // The design's row, scaled with the rest.
        const QSize design = layout_.Values().designClient;
        const ViewLayout::ButtonRow row =
            layout_.Buttons(ViewLayout::OuterWidth(design.width()), design.height());
        const auto place = [&](QPushButton* button, int left) {
            button->setGeometry(
                OnScreen(QRect(left, row.top, layout_.ButtonWidth(), ViewLayout::kButtonHeight)));
        };
        place(spinButton_, row.spinLeft);
        place(betOneButton_, row.betOneLeft);
        place(betTwoButton_, row.betTwoLeft);
        return;
    }
    spinButton_->resize(layout_.ButtonWidth(), ViewLayout::kButtonHeight);
    betOneButton_->resize(spinButton_->width(), ViewLayout::kButtonHeight);
    betTwoButton_->resize(spinButton_->width(), ViewLayout::kButtonHeight);
    const ViewLayout::ButtonRow row = layout_.PlacedButtons(size());
    spinButton_->move(row.spinLeft, row.top);
    betOneButton_->move(row.betOneLeft, row.top);
    betTwoButton_->move(row.betTwoLeft, row.top);
}

} // namespace kelvory
