#pragma once

#include <QIcon>

#include <functional>

namespace quorvel {

// An icon whose real one is made, by make, only when first asked for anything: so
// making it costs nothing until it is drawn.
QIcon deferredIcon(std::function<QIcon()> make);

} // namespace quorvel
