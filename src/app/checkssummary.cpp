#include "checkssummary.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace quorvel {

namespace {

constexpr int iconSize = 16;

QPixmap drawnIcon(const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(iconSize, iconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return pixmap;
}

} // namespace

QPixmap ChecksSummary::passIcon()
{
    return drawnIcon([](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2e, 0x7d, 0x32));
        p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF{QPointF(4, 8.5), QPointF(7, 11.5), QPointF(12, 5)});
    });
}

QPixmap ChecksSummary::warningIcon()
{
    return drawnIcon([](QPainter &p) {
        QPainterPath triangle;
        triangle.moveTo(8, 0.5);
        triangle.lineTo(15.5, 15);
        triangle.lineTo(0.5, 15);
        triangle.closeSubpath();
        p.setPen(QPen(QColor(0x80, 0x50, 0x00), 1));
        p.setBrush(QColor(0xff, 0xc1, 0x07));
        p.drawPath(triangle);
        p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 5), QPointF(8, 10));
        p.drawPoint(QPointF(8, 13));
    });
}

QPixmap ChecksSummary::failIcon()
{
    return drawnIcon([](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xc6, 0x28, 0x28));
        p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 5), QPointF(11, 11));
        p.drawLine(QPointF(11, 5), QPointF(5, 11));
    });
}

QPixmap ChecksSummary::iconOf(CheckOutcome outcome)
{
    switch (outcome) {
    case CheckOutcome::Pass: return passIcon();
    case CheckOutcome::Warning: return warningIcon();
    case CheckOutcome::Fail: return failIcon();
    case CheckOutcome::NotApplicable: break;
    }
    return {};
}

ChecksSummary::ChecksSummary(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("checksSummary"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    icon_ = new QLabel(this);
    icon_->setObjectName(QStringLiteral("checksIcon"));
    icon_->setFixedSize(iconSize, iconSize);
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("checksText"));
    label_->setTextFormat(Qt::PlainText);
    label_->setMinimumWidth(0);
    label_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    listButton_ = new QPushButton(tr("Design checks\u2026"), this);
    listButton_->setObjectName(QStringLiteral("checksButton"));
    listButton_->setAutoDefault(false);
    listButton_->setFixedHeight(25);
    listButton_->setMinimumWidth(std::max(75, listButton_->sizeHint().width()));
    layout->addWidget(icon_);
    layout->addWidget(label_, 1);
    layout->addWidget(listButton_);
    connect(listButton_, &QPushButton::clicked, this, &ChecksSummary::listRequested);
    clear();
}

void ChecksSummary::showChecks(const QList<DesignCheck> &checks)
{
    // The icon of the worst outcome.
    const auto has = [&](CheckOutcome outcome) {
        return std::any_of(checks.begin(), checks.end(), [outcome](const DesignCheck &c) { return c.outcome == outcome; });
    };
    const CheckOutcome worst = has(CheckOutcome::Fail)      ? CheckOutcome::Fail
                             : has(CheckOutcome::Warning) ? CheckOutcome::Warning
                                                          : CheckOutcome::Pass;
    show(iconOf(worst), checksSummary(checks), true);
}

void ChecksSummary::showUnavailable(const QString &reason)
{
    show(warningIcon(), reason, false);
}

void ChecksSummary::clear()
{
    text_.clear();
    label_->clear();
    setToolTip({});
    listButton_->setVisible(false);
    setVisible(false);
}

void ChecksSummary::show(const QPixmap &icon, const QString &text, bool withList)
{
    text_ = text;
    icon_->setPixmap(icon);
    setToolTip(text);
    listButton_->setVisible(withList);
    setVisible(true);
    elide();
}

void ChecksSummary::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    elide();
}

void ChecksSummary::elide()
{
    // The label's width is what the layout leaves it once the icon and button are placed.
    label_->setText(label_->fontMetrics().elidedText(text_, Qt::ElideRight, std::max(0, label_->width())));
}

} // namespace quorvel
