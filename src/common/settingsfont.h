#pragma once

#include "common/settingsvalues.h"

#include <QColor>
#include <QFont>

// Between the stored font group and the fonts and colours the widgets use.

// `base` supplies what the stored font leaves open (a size of 0).
QFont ToQFont(const SettingsFont& font, const QFont& base = QFont());
SettingsFont ToSettingsFont(const QFont& font, const QColor& color);
