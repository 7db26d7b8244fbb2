// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <string>

class QWidget;

namespace quarvel::ui::qt {

// English on an English desktop (LANG=en_*), French otherwise: the program's
// own texts are French, and they are the keys of the English translation.
void installTranslation();

bool englishInterface();

// A text as the interface shows it: translated when a translation is
// installed, by its text or by the pattern it was composed from; names and
// numbers stay as they are.
QString tt(const std::string& text);
QString tt(const QString& text);

// Each text a view wrote itself below `root` (labels, buttons, group titles,
// tab captions, tooltips, the window's title), replaced by what `visit`
// makes of it; the calendar's own texts are left to its locale.
void forEachShownText(QWidget* root, const std::function<QString(const QString&)>& visit);

// Translates the texts a view wrote itself: labels, buttons, group titles,
// tab captions, tooltips and the window's title, below `root`.
void translateWidgets(QWidget* root);

}  // namespace quarvel::ui::qt
