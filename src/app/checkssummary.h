#pragma once

#include "designchecks.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace quorvel {

// The design checks in one line in the bottom panel, left of "OK": an icon and a
// summary ("All 12 checks pass", "2 warnings: …", "Not designed: …"), cut to the room
// there with the whole text as a tool tip, and a button that opens the list of every
// check. Empty and hidden while no checks are shown.
class ChecksSummary : public QWidget {
    Q_OBJECT
public:
    explicit ChecksSummary(QWidget *parent = nullptr);

    void showChecks(const QList<DesignCheck> &checks);
    // A design that cannot be checked, and why; no list to open.
    void showUnavailable(const QString &reason);
    void clear();

    // The whole summary, as the tool tip holds it.
    QString text() const { return text_; }

    // The icons beside the summary and in the list of checks: a tick in a circle for
    // a pass, an exclamation mark in a triangle for a warning, a cross in a red circle
    // for a failure; none for a check that does not apply.
    static QPixmap passIcon();
    static QPixmap warningIcon();
    static QPixmap failIcon();
    static QPixmap iconOf(CheckOutcome outcome);

signals:
    void listRequested();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void show(const QPixmap &icon, const QString &text, bool withList);
    void elide();

    QLabel *icon_;
    QLabel *label_;
    QPushButton *listButton_;
    QString text_;
};

} // namespace quorvel
