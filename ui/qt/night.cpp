// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/night.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QStyle>
#include <QPainter>
#include <QPalette>
#include <QStyleFactory>
#include <QStyleOption>

#include <functional>
#include <QPixmap>
#include <QWidget>

#include <algorithm>

namespace quarvel::ui::qt {

namespace {

constexpr const char* kDayIcon = "quarvelDayIcon";
constexpr const char* kDayColour = "quarvelDayColour";
constexpr const char* kDayPicture = "quarvelDayPicture";

bool g_night = false;

// The night's text: pure red, 5.25:1 on black, and no green or blue even
// where text is blended into the ground.
const QColor kNightText(255, 0, 0);
const QColor kNightDim(150, 0, 0);
const QColor kNightFrame(120, 0, 0);

QPalette nightPalette() {
    QPalette p;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        p.setColor(group, QPalette::Window, Qt::black);
        p.setColor(group, QPalette::Base, Qt::black);
        p.setColor(group, QPalette::AlternateBase, QColor(20, 0, 0));
        p.setColor(group, QPalette::Button, Qt::black);
        p.setColor(group, QPalette::ToolTipBase, Qt::black);
        // An input keeps its text legible when disabled, as by day.
        p.setColor(group, QPalette::Text, kNightText);
        p.setColor(group, QPalette::WindowText, disabled ? kNightDim : kNightText);
        p.setColor(group, QPalette::ButtonText, disabled ? kNightDim : kNightText);
        p.setColor(group, QPalette::ToolTipText, kNightText);
        p.setColor(group, QPalette::BrightText, kNightText);
        p.setColor(group, QPalette::PlaceholderText, kNightDim);
        p.setColor(group, QPalette::Highlight, QColor(110, 0, 0));
        p.setColor(group, QPalette::HighlightedText, kNightText);
        p.setColor(group, QPalette::Link, kNightText);
        p.setColor(group, QPalette::LinkVisited, kNightDim);
        p.setColor(group, QPalette::Light, QColor(90, 0, 0));
        p.setColor(group, QPalette::Midlight, QColor(70, 0, 0));
        p.setColor(group, QPalette::Mid, QColor(50, 0, 0));
        p.setColor(group, QPalette::Dark, QColor(35, 0, 0));
        p.setColor(group, QPalette::Shadow, Qt::black);
    }
    return p;
}

QPixmap redPixmap(const QPixmap& pixmap);

QPalette& dayPalette() {
    static QPalette palette = [] {
        QPalette p = QApplication::style() ? QApplication::style()->standardPalette() : QPalette();
        p.setColor(QPalette::Disabled, QPalette::Text, p.color(QPalette::Active, QPalette::Text));
        return p;
    }();
    return palette;
}

QPixmap redPixmap(const QPixmap& pixmap) {
    return QPixmap::fromImage(shownImage(pixmap.toImage()));
}

// The name of the desktop's style, read before the program's replaces it.
QString& desktopStyleName() {
    static QString name;
    return name;
}

// Paints through an image, then shows the image in red.
void filtered(QPainter* painter, const QRect& area, const std::function<void(QPainter*)>& paint) {
    if (area.isEmpty()) return;
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QImage image(area.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    {
        QPainter inner(&image);
        inner.setRenderHints(painter->renderHints());
        inner.setFont(painter->font());
        inner.setPen(painter->pen());
        inner.setBrush(painter->brush());
        inner.translate(-area.topLeft());
        paint(&inner);
    }
    painter->drawImage(area.topLeft(), shownImage(image));
}

}  // namespace

NightStyle::NightStyle()
    : QProxyStyle(QStyleFactory::create(desktopStyleName().isEmpty() ? QString("Fusion") : desktopStyleName())) {}

void NightStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
    if (!g_night) return QProxyStyle::drawPrimitive(element, option, painter, widget);
    filtered(painter, option->rect.adjusted(-2, -2, 2, 2),
             [&](QPainter* p) { QProxyStyle::drawPrimitive(element, option, p, widget); });
    // A field's frame, which the styles draw a shade darker than the black
    // ground, in dim red: the user sees where to type.
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if ((element == PE_PanelLineEdit || element == PE_FrameLineEdit) && frame && frame->lineWidth > 0) {
        painter->save();
        painter->setPen(kNightFrame);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
}

void NightStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    if (!g_night) return QProxyStyle::drawControl(element, option, painter, widget);
    filtered(painter, option->rect.adjusted(-2, -2, 2, 2),
             [&](QPainter* p) { QProxyStyle::drawControl(element, option, p, widget); });
}

void NightStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                    const QWidget* widget) const {
    if (!g_night) return QProxyStyle::drawComplexControl(control, option, painter, widget);
    filtered(painter, option->rect.adjusted(-2, -2, 2, 2),
             [&](QPainter* p) { QProxyStyle::drawComplexControl(control, option, p, widget); });
}

void NightStyle::drawItemPixmap(QPainter* painter, const QRect& rect, int alignment, const QPixmap& pixmap) const {
    QProxyStyle::drawItemPixmap(painter, rect, alignment, g_night ? redPixmap(pixmap) : pixmap);
}

int NightStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    // By night the line edits draw their cursor themselves, in red.
    if (metric == PM_TextCursorWidth && g_night) return 0;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void useNightStyle() {
    if (desktopStyleName().isEmpty() && QApplication::style()) desktopStyleName() = QApplication::style()->name();
    if (!dynamic_cast<NightStyle*>(QApplication::style())) QApplication::setStyle(new NightStyle);
}

bool nightMode() { return g_night; }

QColor shownColour(const QColor& colour) {
    if (!g_night) return colour;
    // Brightness as the eye weighs it, kept as red alone.
    // A red line (the photographs' frame) stays as bright as it was.
    const int brightness = (colour.red() * 299 + colour.green() * 587 + colour.blue() * 114) / 1000;
    return QColor(std::max(colour.red(), brightness), 0, 0, colour.alpha());
}

QImage shownImage(const QImage& image) {
    if (!g_night) return image;
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QColor red = shownColour(QColor::fromRgba(line[x]));
            line[x] = qRgba(red.red(), 0, 0, qAlpha(line[x]));
        }
    }
    return out;
}

QIcon shownIcon(const QIcon& icon) {
    if (!g_night || icon.isNull()) return icon;
    QIcon out;
    for (const QSize& size : icon.availableSizes()) {
        for (const auto mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
            out.addPixmap(redPixmap(icon.pixmap(size, mode)), mode);
        }
    }
    if (icon.availableSizes().isEmpty()) out.addPixmap(redPixmap(icon.pixmap(16, 16)));
    return out;
}

void setShownPicture(QLabel* label, const QImage& dayPicture) {
    label->setProperty(kDayPicture, dayPicture);
    label->setPixmap(QPixmap::fromImage(shownImage(dayPicture)));
}

void setShownPanelColour(QWidget* panel, const QColor& dayColour) {
    panel->setProperty(kDayColour, dayColour);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, shownColour(dayColour));
    panel->setPalette(palette);
}

void applyNightMode(QWidget* root) {
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        auto* button = qobject_cast<QAbstractButton*>(w);
        if (button && !button->icon().isNull() && !w->property(kDayIcon).isValid()) {
            w->setProperty(kDayIcon, button->icon());  // the style's own icon
        }
        if (button && w->property(kDayIcon).isValid()) {
            button->setIcon(shownIcon(w->property(kDayIcon).value<QIcon>()));
        }
        if (w->property(kDayColour).isValid()) setShownPanelColour(w, w->property(kDayColour).value<QColor>());
        if (w->inherits("QLineEdit")) {
            QEvent changed(QEvent::StyleChange);  // reads the cursor's width again
            QApplication::sendEvent(w, &changed);
        }
        if (auto* label = qobject_cast<QLabel*>(w); label && w->property(kDayPicture).isValid()) {
            setShownPicture(label, w->property(kDayPicture).value<QImage>());
        }
        w->update();
    }
}

void setNightMode(bool on) {
    g_night = on;
    QApplication::setPalette(on ? nightPalette() : dayPalette());
    for (QWidget* window : QApplication::topLevelWidgets()) applyNightMode(window);
}

}  // namespace quarvel::ui::qt
