#pragma once

#include <QFont>

class QLabel;

namespace quelvarinox::app {

// Gives a wrapping label `base` or, when its text would run past the label's
// bottom or right edge in that font, the largest smaller size of it (down to a
// floor of legibility) in which the whole text fits. The design's boxes were
// drawn for a narrower system font than most desktops use.
void fit_text(QLabel& label, const QFont& base);

}  // namespace quelvarinox::app
