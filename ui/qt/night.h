// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QProxyStyle>

class QLabel;
class QWidget;

namespace quarvel::ui::qt {

// The night mode: the whole program in dark red on black, for eyes adapted
// to the dark at the telescope. No pixel keeps more green or blue than a
// tenth of its red.
bool nightMode();
// Sets the mode of every window, those built later included: the palette
// (by day too: a disabled input's text as legible as an enabled one's), the
// icons and the drawings.
void setNightMode(bool on);

// What is shown of a colour, a picture or an icon: as it is by day, in red
// of its brightness by night.
QColor shownColour(const QColor& colour);
QImage shownImage(const QImage& image);
QIcon shownIcon(const QIcon& icon);

// The program's style: the desktop's own by day; by night everything it
// paints goes through the red filter, so that no shade the style mixes in
// (a white highlight, a grey line) reaches the eyes. The views' own styles
// derive from it.
class NightStyle : public QProxyStyle {
public:
    NightStyle();
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
    void drawItemPixmap(QPainter* painter, const QRect& rect, int alignment, const QPixmap& pixmap) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};
// Makes the program's style the application's, before any window.
void useNightStyle();

// Gives a panel its colour and a picture its pixels, for day and night.
void setShownPanelColour(QWidget* panel, const QColor& dayColour);
void setShownPicture(QLabel* label, const QImage& dayPicture);
// Brings a window built later to the current mode.
void applyNightMode(QWidget* root);

}  // namespace quarvel::ui::qt
