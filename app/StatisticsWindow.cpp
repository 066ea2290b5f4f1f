// SPDX-License-Identifier: MIT
#include "app/StatisticsWindow.h"

#include "app/NetResultChart.h"
#include "app/dialogs/DialogKit.h"
#include "app/dialogs/HelpContext.h"
#include "game/ParSheet.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace kelvory {

namespace {

QString Count(std::int64_t value) {
    return QLocale::system().toString(static_cast<qlonglong>(value));
}

QString SignedCount(double value) {
    const auto rounded = static_cast<qlonglong>(std::llround(value));
    const QString text = QLocale::system().toString(rounded);
    return rounded > 0 ? QLocale::system().positiveSign() + text : text;
}

QString Percent(double fraction) {
    const QLocale locale = QLocale::system();
    return locale.toString(100.0 * fraction, 'f', 2) + QLatin1Char(' ') + locale.percent();
}

QString Ratio(std::int64_t part, std::int64_t whole) {
    return whole == 0 ? QStringLiteral("-") : Percent(double(part) / double(whole));
}

QString Duration(std::int64_t ms) {
    const std::int64_t seconds = ms / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(QLocale::system().toString(static_cast<qlonglong>(seconds / 3600)))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

StatisticsWindow::StatisticsWindow(const PlayerStatistics& statistics, ShowHelpFunction showHelp,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window), statistics_(statistics), showHelp_(std::move(showHelp)) {
    setWindowTitle(QStringLiteral("Kelvory Statistics"));
    setAccessibleName(QStringLiteral("Kelvory Statistics"));
    resize(560, 640);
    // Below this the figures no longer fit beside their captions.
    setMinimumSize(460, 420);

    auto* figures = new QWidget;
    grid_ = new QGridLayout(figures);
    // The figures stay beside their captions however wide the window is.
    grid_->setColumnStretch(4, 1);
    grid_->setHorizontalSpacing(16);
    const QString headers[] = {QString(), QStringLiteral("This game"), QStringLiteral("The odds"),
                               QStringLiteral("All games")};
    for (int column = 1; column < 4; ++column) {
        auto* header = new QLabel(QStringLiteral("<b>%1</b>").arg(headers[column]));
        header->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid_->addWidget(header, 0, column);
    }
    AddRow(QStringLiteral("Spins"), QStringLiteral("Spins"));
    AddRow(QStringLiteral("Staked"), QStringLiteral("Credits staked"));
    AddRow(QStringLiteral("Paid"), QStringLiteral("Credits paid"));
    AddRow(QStringLiteral("Net"), QStringLiteral("Net result"));
    AddRow(QStringLiteral("Return"), QStringLiteral("Return"));
    AddRow(QStringLiteral("HitRate"), QStringLiteral("Hit rate"));
    AddRow(QStringLiteral("Volatility"), QStringLiteral("Volatility"));
    AddRow(QStringLiteral("BiggestWin"), QStringLiteral("Biggest win"));
    AddRow(QStringLiteral("LongestLosingRun"), QStringLiteral("Longest run without a win"));
    AddRow(QStringLiteral("Played"), QStringLiteral("Time played"));
    for (int row = 0; row < kPayRows; ++row) {
        AddRow(QStringLiteral("Row %1").arg(row + 1),
               QStringLiteral("%1. %2").arg(row + 1).arg(QLatin1String(ParSheet::kRowNames[row])));
    }

    auto* scroll = new QScrollArea;
    scroll->setWidget(figures);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);

    chart_ = new NetResultChart(statistics_.Sheet());
    auto* chartTitle = new QLabel(QStringLiteral("<b>Net result of this game</b>"));
    auto* helpButton = new QPushButton(QStringLiteral("&Help"));
    DialogKit::ConnectHelpButton(helpButton, showHelp_, HelpContext::Statistics);
    DialogKit::AddHelpKey(this, showHelp_, HelpContext::Statistics);
    auto* closeButton = new QPushButton(QStringLiteral("C&lose"));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(helpButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 3);
    layout->addWidget(chartTitle);
    layout->addWidget(chart_, 2);
    layout->addLayout(buttons);
    Refresh();
}

void StatisticsWindow::AddRow(const QString& name, const QString& caption) {
    const int row = grid_->rowCount();
    auto* label = new QLabel(caption);
    label->setWordWrap(true);
    // One line where there is room; long captions wrap in a narrow window.
    label->setMinimumWidth(std::min(label->fontMetrics().horizontalAdvance(caption), 170));
    grid_->addWidget(label, row, 0);
    for (int column = 1; column < 4; ++column) {
        auto* cell = new QLabel;
        cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        cell->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid_->addWidget(cell, row, column);
        cells_[name][column] = cell;
    }
}

void StatisticsWindow::Set(const QString& name, Column column, const QString& text) {
    cells_.at(name).at(column)->setText(text);
}

QString StatisticsWindow::Figure(const QString& name, Column column) const {
    const auto row = cells_.find(name);
    return row == cells_.end() ? QString() : row->second.at(column)->text();
}

void StatisticsWindow::Refresh() {
    const auto fill = [this](Column column, const PlayTally& t) {
        Set(QStringLiteral("Spins"), column, Count(t.Spins));
        Set(QStringLiteral("Staked"), column, Count(t.Staked));
        Set(QStringLiteral("Paid"), column, Count(t.Paid));
        Set(QStringLiteral("Net"), column, SignedCount(double(t.Net())));
        Set(QStringLiteral("Return"), column, Ratio(t.Paid, t.Staked));
        Set(QStringLiteral("HitRate"), column, Ratio(t.WinCount(), t.Spins));
        Set(QStringLiteral("BiggestWin"), column, Count(t.BiggestWin));
        Set(QStringLiteral("LongestLosingRun"), column, Count(t.LongestLosingRun));
        Set(QStringLiteral("Played"), column, Duration(t.PlayedMs));
        for (int row = 0; row < kPayRows; ++row) {
            Set(QStringLiteral("Row %1").arg(row + 1), column, Count(t.Wins[row]));
        }
    };
    const PlayTally& game = statistics_.Game();
    fill(ThisGame, game);
    fill(AllGames, statistics_.AllTime());

    // What the odds give for this game's spins and stakes.
    const ParSheet& sheet = statistics_.Sheet();
    const double spins = double(game.Spins);
    const double expectedPaid = statistics_.ExpectedReturn() * double(game.Staked);
    Set(QStringLiteral("Spins"), Odds, QString());
    Set(QStringLiteral("Staked"), Odds, QString());
    Set(QStringLiteral("Paid"), Odds, QLocale::system().toString(expectedPaid, 'f', 0));
    Set(QStringLiteral("Net"), Odds, SignedCount(expectedPaid - double(game.Staked)));
    Set(QStringLiteral("Return"), Odds,
        game.Staked == 0 ? Percent(sheet.ForStake(1).returnToPlayer) + QStringLiteral(" - ") +
                               Percent(sheet.ForStake(2).returnToPlayer)
                         : Percent(statistics_.ExpectedReturn()));
    Set(QStringLiteral("HitRate"), Odds, Percent(statistics_.ExpectedHitRate()));
    // The standard deviation of one spin's pay, for a bet of one and of two.
    Set(QStringLiteral("Volatility"), Odds,
        QLocale::system().toString(sheet.ForStake(1).payStdDev, 'f', 2) + QStringLiteral(" - ") +
            QLocale::system().toString(sheet.ForStake(2).payStdDev, 'f', 2));
    Set(QStringLiteral("BiggestWin"), Odds, QString());
    Set(QStringLiteral("LongestLosingRun"), Odds, QString());
    Set(QStringLiteral("Played"), Odds, QString());
    for (int row = 0; row < kPayRows; ++row) {
        const double expected = spins * sheet.ForStake(1).rows[row].probability;
        Set(QStringLiteral("Row %1").arg(row + 1), Odds,
            QLocale::system().toString(expected, 'f', 1));
    }
    chart_->SetTrack(statistics_.Track());
}

void StatisticsWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace kelvory
