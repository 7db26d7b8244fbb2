// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/errors.h"

class QWidget;

namespace quarvel::ui::qt {

// A compiled translation built into the program, by its language ("en",
// "pt_BR"); one for each translations/quarvel_<language>.ts.
struct EmbeddedTranslation {
    const char* language;
    const std::uint8_t* data;
    std::size_t size;
};
extern const std::vector<EmbeddedTranslation> kTranslations;

// The desktop's language where the program has its translation (LANG=en_*
// gives English), French otherwise: the program's own texts are French, and
// they are the keys of every translation.
void installTranslation();

// The locale of the interface's language, for what Qt writes itself.
QLocale interfaceLocale();

// A text as the interface shows it: translated when a translation is
// installed, by its text or by the pattern it was composed from; names and
// numbers stay as they are.
QString tt(const std::string& text);
QString tt(const QString& text);
// A message as the interface shows it: its pattern and each text of the
// program's among its values translated, its data put in as it is, in one pass.
QString translate(const core::Message& message);

// The property of a widget that shows data (a name, a path): its text is
// never translated.
inline constexpr const char* kDataProperty = "quarvelData";
// A button shown by its icon alone: its caption is not put back as its text.
inline constexpr const char* kIconOnlyProperty = "quarvelIconOnly";

// Each text a view wrote itself below `root` (labels, buttons, group titles,
// tab captions, tooltips, the window's title), replaced by what `visit`
// makes of it; the calendar's own texts are left to its locale.
void forEachShownText(QWidget* root, const std::function<QString(const QString&)>& visit);

// Translates the texts a view wrote itself: labels, buttons, group titles,
// tab captions, tooltips and the window's title, below `root`.
void translateWidgets(QWidget* root);

}  // namespace quarvel::ui::qt
