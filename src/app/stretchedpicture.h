#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace quorvel {

// A picture box that stretches a vector picture over its whole area, without
// keeping the picture's proportions; drawn afresh at every size, so it stays sharp.
class StretchedPicture : public QWidget {
    Q_OBJECT
    // The picture's file or resource path, so that forms can set it.
    Q_PROPERTY(QString picture READ picture WRITE setPicture)
public:
    explicit StretchedPicture(QWidget *parent = nullptr);
    explicit StretchedPicture(const QString &file, QWidget *parent = nullptr);

    QString picture() const { return picture_; }
    void setPicture(const QString &file);

    QSize pictureSize() const { return renderer_.defaultSize(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString picture_;
    QSvgRenderer renderer_;
};

} // namespace quorvel
