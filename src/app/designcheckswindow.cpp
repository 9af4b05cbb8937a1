#include "designcheckswindow.h"

#include "checkssummary.h"
#include "windowparts.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

#include <cmath>

namespace quorvel {

DesignChecksWindow::DesignChecksWindow(MessageBoxes &boxes, QWidget *parent) : ProgramDialog(boxes, parent)
{
    setObjectName(QStringLiteral("designChecksWindow"));
    setWindowTitle(tr("Design checks"));
    resize(620, 290);

    table_ = new QTableWidget(0, 4, this);
    table_->setObjectName(QStringLiteral("checksTable"));
    table_->setHorizontalHeaderLabels({tr("Check"), tr("Value"), tr("Limit"), tr("Result")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setWordWrap(false);

    QPushButton *closeButton = makeButton(this, QStringLiteral("closeButton"), tr("Close"));
    onClick(closeButton, [this] { hide(); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(table_);
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

void DesignChecksWindow::setChecks(const QList<DesignCheck> &checks)
{
    table_->setRowCount(int(checks.size()));
    for (int row = 0; row < checks.size(); ++row) {
        const DesignCheck &check = checks[row];
        const QString value = std::isnan(check.value)
                                ? QStringLiteral("\u2014")
                                : valueBesideLimit(check.value, check.limit) + QLatin1Char(' ') + check.unit;
        auto *outcome = new QTableWidgetItem(QIcon(ChecksSummary::iconOf(check.outcome)), outcomeText(check.outcome));
        outcome->setToolTip(check.message.shown);
        const QList<QTableWidgetItem *> items{new QTableWidgetItem(check.name), new QTableWidgetItem(value),
                                              new QTableWidgetItem(check.requirement), outcome};
        for (int col = 0; col < items.size(); ++col)
            table_->setItem(row, col, items[col]);
        table_->item(row, 1)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
}

} // namespace quorvel
