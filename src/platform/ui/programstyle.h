#pragma once

#include <QProxyStyle>

namespace quorvel {

// The desktop's style with one difference: the extension-button icons of the menu bar
// and the toolbar are made when first drawn rather than when the bars are made. Qt
// makes them at once, and reading their pictures makes Qt look through every
// image-format plugin: a tenth of a start-up for buttons that only appear when a bar
// is too narrow for its items. The icons themselves are the style's own.
class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    ProgramStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

} // namespace quorvel
