#include "reportauthordialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace quorvel {

namespace {

// Room for a name and an organisation's name without cutting a usual one.
constexpr int fieldWidth = 320;
constexpr int longestField = 200;

} // namespace

ReportAuthorDialog::ReportAuthorDialog(MessageBoxes &boxes, QWidget *parent)
    : ProgramDialog(boxes, parent), preparedBy_(new QLineEdit(this)), organisation_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("reportAuthorDialog"));
    setWindowTitle(tr("Design Report"));
    preparedBy_->setObjectName(QStringLiteral("preparedByEdit"));
    organisation_->setObjectName(QStringLiteral("organisationEdit"));
    for (QLineEdit *field : {preparedBy_, organisation_}) {
        field->setMinimumWidth(fieldWidth);
        field->setMaxLength(longestField);
    }

    auto *intro = new QLabel(tr("The report's header names who prepared it. Leave both empty to name no one."), this);
    intro->setWordWrap(true);
    auto *fields = new QFormLayout;
    fields->addRow(tr("Prepared by:"), preparedBy_);
    fields->addRow(tr("Organisation:"), organisation_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::optional<ReportAuthor> ReportAuthorDialog::ask(const ReportAuthor &last)
{
    preparedBy_->setText(last.preparedBy);
    organisation_->setText(last.organisation);
    preparedBy_->setFocus();
    preparedBy_->selectAll();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return ReportAuthor{preparedBy_->text().trimmed(), organisation_->text().trimmed()};
}

} // namespace quorvel
