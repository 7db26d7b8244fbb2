// SPDX-License-Identifier: GPL-3.0-or-later
// The "Nuit" page: the sites, the target and the date over the night's
// altitude chart, the times under it, and the year.
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include <algorithm>
#include <cmath>

#include "ui/messages.h"
#include "ui/qt/main_window.h"
#include "ui/qt/night.h"
#include "ui/qt/translation.h"

namespace quarvel::ui::qt {

namespace {

// The sky by day, in the three twilights and at night.
constexpr QRgb kSkyColours[] = {qRgb(150, 185, 225), qRgb(95, 125, 180), qRgb(55, 75, 130), qRgb(30, 40, 80),
                                qRgb(10, 12, 30)};

// Paints the night's chart: the sky's darkness across it, a line each 30°,
// the minimum altitude, the target's curve and the Moon's, the hours under.
class NightView : public QWidget {
public:
    NightView(form::NightBox& box, QWidget* parent) : QWidget(parent), m_box(box) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const drawings::NightChart& chart = m_box.chart();
        painter.fillRect(rect(), palette().color(QPalette::Window));
        if (chart.empty() || !(chart.to > chart.from)) return;
        const QFontMetrics metrics(font());
        const int left = metrics.horizontalAdvance("90°") + 6, bottom = metrics.height() + 4;
        const QRectF plot(left, metrics.height() / 2.0, width() - left - 4, height() - bottom - metrics.height() / 2.0);
        const auto x = [&](double jd) { return plot.left() + (jd - chart.from) / (chart.to - chart.from) * plot.width(); };
        const auto y = [&](double deg) { return plot.bottom() - std::clamp(deg, 0.0, 90.0) / 90 * plot.height(); };

        for (std::size_t i = 0; i + 1 < chart.sun.size(); ++i) {
            const double mid = (chart.sun[i].altitudeDeg + chart.sun[i + 1].altitudeDeg) / 2;
            const QColor sky = shownColour(QColor(kSkyColours[drawings::skyDarkness(mid)]));
            painter.fillRect(QRectF(QPointF(x(chart.sun[i].jd), plot.top()), QPointF(x(chart.sun[i + 1].jd) + 1, plot.bottom())),
                             sky);
        }
        for (int deg = 0; deg <= 90; deg += 30) {
            painter.setPen(QPen(shownColour(QColor(200, 200, 200, 90)), 1, Qt::DotLine));
            painter.drawLine(QPointF(plot.left(), y(deg)), QPointF(plot.right(), y(deg)));
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(QRectF(0, y(deg) - metrics.height() / 2.0, left - 4, metrics.height()),
                             Qt::AlignRight | Qt::AlignVCenter, QString::number(deg) + "°");
        }
        // The hours of the desktop's clock, every one or two as room allows.
        const double hours = (chart.to - chart.from) * 24;
        const int step = plot.width() / hours < metrics.horizontalAdvance("00") * 2 ? 2 : 1;
        for (const auto& mark : chart.hours) {
            if (mark.hour % step != 0) continue;
            painter.setPen(QPen(shownColour(QColor(200, 200, 200, 60)), 1, Qt::DotLine));
            painter.drawLine(QPointF(x(mark.jd), plot.top()), QPointF(x(mark.jd), plot.bottom()));
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(QRectF(x(mark.jd) - 20, plot.bottom() + 2, 40, metrics.height()), Qt::AlignHCenter,
                             QString("%1").arg(mark.hour, 2, 10, QChar('0')));
        }
        painter.setPen(QPen(shownColour(QColor(230, 60, 60)), 1.5, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), y(chart.minimumDeg)), QPointF(plot.right(), y(chart.minimumDeg)));
        const auto curve = [&](const std::vector<drawings::NightChart::Sample>& samples, const QPen& pen) {
            painter.save();
            painter.setClipRect(plot);
            painter.setPen(pen);
            QPainterPath path;
            bool down = true;
            for (const auto& s : samples) {
                // Below the horizon the curve is not drawn.
                if (s.altitudeDeg < 0) {
                    down = true;
                    continue;
                }
                const QPointF at(x(s.jd), y(s.altitudeDeg));
                if (down) {
                    path.moveTo(at);
                } else {
                    path.lineTo(at);
                }
                down = false;
            }
            painter.drawPath(path);
            painter.restore();
        };
        curve(chart.moon, QPen(shownColour(QColor(200, 200, 200)), 1.5, Qt::DashLine));
        for (std::size_t i = 0; i < chart.targets.size() && i < drawings::kNightTargetColours.size(); ++i) {
            const auto& c = drawings::kNightTargetColours[i];
            curve(chart.targets[i].samples, QPen(shownColour(QColor(c[0], c[1], c[2])), 2.5));
        }
        // Now, when the night shown is tonight.
        if (chart.now) {
            painter.setPen(QPen(shownColour(QColor(255, 255, 255)), 1.5));
            painter.drawLine(QPointF(x(*chart.now), plot.top()), QPointF(x(*chart.now), plot.bottom()));
        }
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(plot);
        paintLegend(painter, chart, plot);
    }

private:
    // What each line is, along the top of the chart: the targets in their
    // colours, the Moon, the lowest altitude and now.
    void paintLegend(QPainter& painter, const drawings::NightChart& chart, const QRectF& plot) {
        QFont small = font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        painter.setFont(small);
        const QFontMetrics metrics(small);
        double x = plot.left() + 6;
        const double y = plot.top() + metrics.ascent() + 3;
        const auto entry = [&](const QString& text, const QPen& pen) {
            painter.setPen(pen);
            painter.drawLine(QPointF(x, y - metrics.ascent() / 2.5), QPointF(x + 14, y - metrics.ascent() / 2.5));
            x += 18;
            painter.setPen(shownColour(QColor(235, 235, 235)));
            painter.drawText(QPointF(x, y), text);
            x += metrics.horizontalAdvance(text) + 10;
        };
        for (std::size_t i = 0; i < chart.targets.size() && i < drawings::kNightTargetColours.size(); ++i) {
            const auto& c = drawings::kNightTargetColours[i];
            entry(QString::fromStdString(chart.targets[i].name), QPen(shownColour(QColor(c[0], c[1], c[2])), 2.5));
        }
        entry(tt(std::string(messages::kLegendMoon)), QPen(shownColour(QColor(200, 200, 200)), 1.5, Qt::DashLine));
        entry(tt(std::string(messages::kLegendMinimum)), QPen(shownColour(QColor(230, 60, 60)), 1.5, Qt::DashLine));
        if (chart.now) entry(tt(std::string(messages::kLegendNow)), QPen(shownColour(QColor(255, 255, 255)), 1.5));
    }

    form::NightBox& m_box;
};

QPushButton* fitted(QPushButton* button, int left, int top) {
    button->adjustSize();
    button->move(left, top);
    return button;
}

}  // namespace

QWidget* buildNuitPage(Binder& b, NightPage& f) {
    auto* p = new QWidget;
    p->setObjectName("tsNuit");
    // The design's width at the default font, wider at a larger one for the
    // texts under the chart.
    constexpr int kLeft = 12;
    const double larger = std::max(1.0, QFontInfo(p->font()).pointSizeF() / 9);
    const int kRight = kLeft + static_cast<int>(525 * larger);
    // The sites: the list with its buttons, then the one shown.
    QComboBox* sites = b.combo(f.cbSites, p, 12);
    QLabel* siteCaption = caption(tt(std::string("Site :")), sites, p);
    siteCaption->adjustSize();
    siteCaption->move(kLeft, 10);
    sites->setGeometry(siteCaption->geometry().right() + 6, 6, 190, sites->sizeHint().height());
    QPushButton* add = fitted(b.button(f.bbAjouterSite, p), sites->geometry().right() + 8, 5);
    fitted(b.button(f.bbSupprimerSite, p), add->geometry().right() + 4, 5);
    const int top = std::max(sites->geometry().bottom(), add->geometry().bottom()) + 6;
    const int nameBottom = placedRow(b, p, kLeft, top, {{"Nom", &f.eSiteNom, 160, ""},
                                                        {"Altitude", &f.eSiteAltitude, 50, "m"},
                                                        {"Minimum", &f.eAltitudeMin, 34, "°"}});
    const int placeBottom = placedRow(b, p, kLeft, nameBottom + 6, {{"Latitude", &f.eSiteLatitude, 110, "°"},
                                                                     {"Longitude", &f.eSiteLongitude, 110, "°"}});
    // The date, then the targets: one offered to add, or any object typed.
    QLineEdit* date = b.edit(f.eDateNuit, p, 84, localDateDisplay());
    QLabel* dateCaption = caption(tt(std::string("Date")), date, p);
    dateCaption->adjustSize();
    dateCaption->move(kLeft, placeBottom + 10);
    date->move(dateCaption->geometry().right() + 6, placeBottom + 6);
    fitted(b.button(f.bbDateNuit, p), date->geometry().right() + 4, placeBottom + 5);
    const int targetTop = date->geometry().bottom() + 6;
    QComboBox* target = b.combo(f.cbCible, p, 12);
    QLabel* targetCaption = caption(tt(std::string("Cible :")), target, p);
    targetCaption->adjustSize();
    targetCaption->move(kLeft, targetTop + 4);
    target->setGeometry(targetCaption->geometry().right() + 6, targetTop, 170, target->sizeHint().height());
    QPushButton* addTarget = fitted(b.button(f.bbAjouterCible, p), target->geometry().right() + 4, targetTop - 1);
    QLineEdit* typed = b.edit(f.eCibleNuit, p, 120);
    QLabel* typedCaption = caption(tt(std::string("ou")), typed, p);
    typedCaption->adjustSize();
    typedCaption->move(addTarget->geometry().right() + 8, targetTop + 4);
    typed->move(typedCaption->geometry().right() + 6, targetTop);
    fitted(b.button(f.bbRetirerCible, p), typed->geometry().right() + 4, targetTop - 1);
    // The catalogue ranked for the night, at the right of the date's line.
    QPushButton* tonight = b.button(f.bbCibles, p);
    tonight->adjustSize();
    tonight->move(kRight - tonight->width(), placeBottom + 5);

    auto* chart = new NightView(f.vueNuit, p);
    const int chartTop = std::max(target->geometry().bottom(), typed->geometry().bottom()) + 6;
    chart->setGeometry(kLeft, chartTop, kRight - kLeft, 180);
    chart->setObjectName(qs(f.vueNuit.name()));
    b.watch(f.vueNuit, chart, [chart] { chart->update(); });

    // The night's targets, a line each in its colour, then the chosen one's
    // times, three across, then a line each.
    const int line = p->fontMetrics().lineSpacing() + 2;
    int y = chart->geometry().bottom() + 4;
    for (std::size_t i = 0; i < f.labCiblesNuit.size(); ++i) {
        QLabel* row = b.label(*f.labCiblesNuit[i], p);
        row->setGeometry(kLeft, y, kRight - kLeft, line);
        const auto& c = drawings::kNightTargetColours[i];
        // Each row in its curve's colour, darkened for a light window.
        QPalette colours = row->palette();
        colours.setColor(QPalette::WindowText, shownColour(QColor(c[0], c[1], c[2]).darker(160)));
        row->setPalette(colours);
        row->setCursor(Qt::PointingHandCursor);
        y += line;
    }
    y += 2;
    // The rising on a line of its own (it may say the target was up at
    // dusk), the transit and the setting side by side.
    b.label(f.labLever, p)->setGeometry(kLeft, y, kRight - kLeft, line);
    y += line;
    const int half = (kRight - kLeft) / 2;
    for (int i = 0; form::Label* time : {&f.labPassage, &f.labCoucher}) {
        b.label(*time, p)->setGeometry(kLeft + half * i++, y, half, line);
    }
    y += line;
    for (form::Label* text : {&f.labNuitAstro, &f.labHeuresUtiles, &f.labLune, &f.labFuseau}) {
        QLabel* shown = b.label(*text, p);
        shown->setGeometry(kLeft, y, kRight - kLeft, line);
        y += line;
    }
    QLabel* heading = b.label(f.labAnnee, p);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    // Two lines where a planet's name and the months need them.
    heading->setWordWrap(true);
    heading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    heading->setGeometry(kLeft, y + 4, kRight - kLeft, 2 * line);
    y += 2 * line + 4;
    for (int i = 0; form::Label* months : {&f.labMois1, &f.labMois2}) {
        QLabel* shown = b.label(*months, p);
        shown->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        shown->setGeometry(kLeft + half * i++, y, half, 6 * p->fontMetrics().lineSpacing() + 4);
    }
    QLabel* oppositions = b.label(f.labOppositions, p);
    oppositions->setGeometry(kLeft, y + 6 * p->fontMetrics().lineSpacing() + 6, kRight - kLeft, line);
    // The window is made tall enough for the whole page.
    p->setMinimumHeight(oppositions->geometry().bottom() + 6);
    return p;
}

}  // namespace quarvel::ui::qt
