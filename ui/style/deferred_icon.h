#pragma once

#include <QIcon>

#include <functional>

namespace quarvel::ui {

// An icon whose pictures `load` makes when the icon is first drawn or measured: many icons are
// asked for long before they show, or never show at all.
[[nodiscard]] QIcon deferredIcon(std::function<QIcon()> load);

} // namespace quarvel::ui
