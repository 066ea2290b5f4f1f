// SPDX-License-Identifier: MIT
#include "app/StatisticsWindow.h"

#include "app/NetResultChart.h"
#include "app/dialogs/DialogKit.h"
#include "app/dialogs/HelpContext.h"
#include "game/ParSheet.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
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
    : QDialog(parent), statistics_(statistics), showHelp_(std::move(showHelp)) {
    setWindowTitle(QStringLiteral("Kelvory Statistics"));
    setAccessibleName(QStringLiteral("Kelvory Statistics"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    figures_ = new QTableWidget(0, 3);
    figures_->setAccessibleName(QStringLiteral("Figures"));
    figures_->setHorizontalHeaderLabels(
        {QStringLiteral("This game"), QStringLiteral("The odds"), QStringLiteral("All games")});
    figures_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    figures_->setSelectionMode(QAbstractItemView::SingleSelection);
    figures_->setTabKeyNavigation(false);
    figures_->setWordWrap(false);
    figures_->setShowGrid(false);
    figures_->setFrameShape(QFrame::NoFrame);
    // Rows as tight as the text allows, so that every row shows on a small
    // screen; the columns as wide as their figures, beside their captions.
    figures_->verticalHeader()->setMinimumSectionSize(0);
    figures_->verticalHeader()->setDefaultSectionSize(figures_->fontMetrics().height() + 4);
    figures_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    figures_->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    figures_->horizontalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    figures_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
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

    chart_ = new NetResultChart(statistics_.Sheet());
    auto* chartTitle = new QLabel(QStringLiteral("<b>Net result of this game</b>"));
    auto* helpButton = new QPushButton(QStringLiteral("&Help"));
    // Return presses Close wherever the focus is, Help included.
    helpButton->setAutoDefault(false);
    DialogKit::ConnectHelpButton(helpButton, showHelp_, HelpContext::Statistics);
    DialogKit::AddHelpKey(this, showHelp_, HelpContext::Statistics);
    auto* closeButton = new QPushButton(QStringLiteral("C&lose"));
    closeButton->setDefault(true);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(helpButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);

    // The figures keep their full height; the chart takes what is left, and
    // the figures scroll only once the chart is at its smallest.
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(4);
    layout->addWidget(figures_, 0);
    layout->addWidget(chartTitle);
    layout->addWidget(chart_, 1);
    layout->addLayout(buttons);
    // The style's fonts and margins, which the sizes of the figures follow.
    ensurePolished();
    Refresh();
    resize(OpeningSize());
}

void StatisticsWindow::AddRow(const QString& name, const QString& caption) {
    const int row = figures_->rowCount();
    figures_->insertRow(row);
    figures_->setVerticalHeaderItem(row, new QTableWidgetItem(caption));
    for (int column = 0; column < figures_->columnCount(); ++column) {
        auto* cell = new QTableWidgetItem;
        cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        figures_->setItem(row, column, cell);
    }
    rows_[name] = row;
}

void StatisticsWindow::Set(const QString& name, Column column, const QString& text) {
    figures_->item(rows_.at(name), column - ThisGame)->setText(text);
}

QString StatisticsWindow::Figure(const QString& name, Column column) const {
    const auto row = rows_.find(name);
    return row == rows_.end() ? QString() : figures_->item(row->second, column - ThisGame)->text();
}

QSize StatisticsWindow::OpeningSize() const {
    // The figures' own size hint leaves out their row captions until they
    // first show: the width they take is counted here.
    const QMargins margins = layout()->contentsMargins();
    const int figuresWidth = figures_->verticalHeader()->sizeHint().width() +
                             figures_->horizontalHeader()->length() + 2 * figures_->frameWidth();
    const QSize wanted(
        std::max(layout()->sizeHint().width(), figuresWidth + margins.left() + margins.right()),
        layout()->sizeHint().height());
    return wanted.boundedTo(DialogKit::RoomOnScreen(this));
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
    // Each column as wide as its widest figure, now rather than at the next
    // paint, so that the opening size has room for them all.
    figures_->resizeColumnsToContents();
    chart_->SetTrack(statistics_.Track());
}

} // namespace kelvory
