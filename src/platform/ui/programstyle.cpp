#include "programstyle.h"

#include "deferredicon.h"

#include <QPointer>
#include <QStyleOption>

#include <optional>

namespace quorvel {

ProgramStyle::ProgramStyle() = default;

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    // The option is only valid during this call: the icon depends on its direction alone.
    const std::optional<Qt::LayoutDirection> direction =
        option ? std::optional(option->direction) : std::nullopt;
    // Nor on the widget, which may be gone by the time the icon is drawn.
    Q_UNUSED(widget);
    const QPointer<QStyle> base(baseStyle());
    return deferredIcon([=]() -> QIcon {
        if (!base)
            return {};
        if (!direction)
            return base->standardIcon(icon, nullptr, nullptr);
        QStyleOption directed;
        directed.direction = *direction;
        return base->standardIcon(icon, &directed, nullptr);
    });
}

} // namespace quorvel
