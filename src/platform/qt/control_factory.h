// Makes one control of the main window from its layout row: the widget of its
// kind, hidden, at its place inside `parent`, named by its layout name, with
// its text and text colour. The kinds' own looks live in their classes.
#pragma once

#include <QWidget>

#include "layout/main_window_layout.h"

namespace dorvane {

QWidget* CreateControl(const ControlLayout& row, QWidget* parent);

}  // namespace dorvane
