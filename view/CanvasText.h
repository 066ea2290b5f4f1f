// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;

namespace kelvory {

// Text on the window canvas placed by the top of its character cell, as the
// layouts give it, in the window's font face.
namespace CanvasText {
// Draws with a transparent background; left is the start of the text.
void DrawAt(QPainter& painter, int left, int top, const QString& text, const QColor& colour);
// Draws over a filled background rectangle of the text's cell.
void DrawOpaqueAt(QPainter& painter, int left, int top, const QString& text, const QColor& colour,
                  const QColor& background);
void DrawCentred(QPainter& painter, int centre, int top, const QString& text, const QColor& colour);
void DrawRightAligned(QPainter& painter, int right, int top, const QString& text,
                      const QColor& colour);
} // namespace CanvasText

} // namespace kelvory
