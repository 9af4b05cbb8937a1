#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace quorvel {

// A picture box that stretches a vector picture over its whole area, without
// keeping the picture's proportions; drawn afresh at every size, so it stays sharp.
class StretchedPicture : public QWidget {
    Q_OBJECT
public:
    explicit StretchedPicture(const QString &file, QWidget *parent = nullptr);

    QSize pictureSize() const { return renderer_.defaultSize(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer renderer_;
};

} // namespace quorvel
