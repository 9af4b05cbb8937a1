#include "designcheckswindow.h"

#include "checkssummary.h"
#include "dutychartwidget.h"
#include "windowparts.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace quorvel {

DesignChecksWindow::DesignChecksWindow(MessageBoxes &boxes, QWidget *parent) : ProgramDialog(boxes, parent)
{
    setObjectName(QStringLiteral("designChecksWindow"));
    setWindowTitle(tr("Design checks"));
    resize(900, 680); // every check and its outcome in view, the chart under them

    table_ = new QTableWidget(0, 4, this);
    table_->setObjectName(QStringLiteral("checksTable"));
    table_->setHorizontalHeaderLabels({tr("Check"), tr("Value"), tr("Limit"), tr("Result")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setWordWrap(false);

    chart_ = new DutyChartWidget(this);
    chart_->setObjectName(QStringLiteral("dutyChart"));

    QPushButton *closeButton = makeButton(this, QStringLiteral("closeButton"), tr("Close"));
    onClick(closeButton, [this] { hide(); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(chart_, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
}

QString DesignChecksWindow::outcomeText(CheckOutcome outcome)
{
    switch (outcome) {
    case CheckOutcome::Pass: return tr("Pass");
    case CheckOutcome::Warning: return tr("Warning");
    case CheckOutcome::Fail: return tr("Fail");
    case CheckOutcome::NotApplicable: break;
    }
    return tr("Not applicable");
}

void DesignChecksWindow::setChecks(const QList<DesignCheck> &checks, const std::optional<DutyChart> &chart)
{
    chart_->setChart(chart);
    table_->setRowCount(int(checks.size()));
    for (int row = 0; row < checks.size(); ++row) {
        const DesignCheck &check = checks[row];
        const QString value = shownCheckValue(check);
        // A pass's note (a gravity supply) and why a check does not apply fit beside the
        // outcome; a warning's or failure's words are the tool tip.
        const bool said = check.outcome == CheckOutcome::Pass || check.outcome == CheckOutcome::NotApplicable;
        const QString words = said && !check.message.isEmpty()
                                  ? tr("%1: %2").arg(outcomeText(check.outcome), check.message.shown)
                                  : outcomeText(check.outcome);
        auto *outcome = new QTableWidgetItem(QIcon(ChecksSummary::iconOf(check.outcome)), words);
        outcome->setToolTip(check.message.shown);
        const QList<QTableWidgetItem *> items{new QTableWidgetItem(check.name), new QTableWidgetItem(value),
                                              new QTableWidgetItem(check.requirement), outcome};
        for (int col = 0; col < items.size(); ++col)
            table_->setItem(row, col, items[col]);
        table_->item(row, 1)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
    // Every row in view above the chart; the chart takes the rest.
    table_->setMinimumHeight(chart ? table_->horizontalHeader()->sizeHint().height() + table_->verticalHeader()->length()
                                         + 2 * table_->frameWidth()
                                   : 0);
}

} // namespace quorvel
