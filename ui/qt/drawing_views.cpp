// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing pages: they only paint what the drawings' geometry gives them.
#include <algorithm>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStaticText>
#include <QPixmap>
#include <QAbstractItemView>
#include <QCompleter>
#include <QMouseEvent>
#include <QStringListModel>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QTabWidget>
#include <QWheelEvent>
#include <atomic>
#include <cmath>
#include <mutex>
#include <thread>
#include <memory>

#include "core/number_format.h"
#include "core/parse.h"
#include "ui/qt/about_view.h"
#include "ui/qt/main_window.h"
#include "ui/messages.h"
#include "ui/qt/night.h"
#include "ui/qt/translation.h"

namespace quarvel::ui::qt {

namespace {

QColor colour(drawings::Colour c) { return shownColour(QColor(c.red, c.green, c.blue)); }

Qt::PenStyle penStyle(drawings::Line line) {
    switch (line) {
        case drawings::Line::Dashes: return Qt::DashLine;
        case drawings::Line::Dots: return Qt::DotLine;
        case drawings::Line::DashesAndDots: return Qt::DashDotLine;
        case drawings::Line::Solid: break;
    }
    return Qt::SolidLine;
}

// A panel of one colour with one-pixel bevels, lowered outside.
QFrame* panel(QWidget* parent, drawings::Colour fill) {
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(1);
    frame->setAutoFillBackground(true);
    setShownPanelColour(frame, QColor(fill.red, fill.green, fill.blue));
    return frame;
}

QLabel* boldCentred(QLabel* label, int left, int top, int width) {
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setAlignment(Qt::AlignHCenter);
    label->setGeometry(left, top, width, label->sizeHint().height());
    return label;
}

// "Champ : [across] x [down] '" along the top of a page.
void fieldRow(Binder& b, QWidget* page, form::EditField& across, int acrossLeft, form::EditField& down,
              int downLeft) {
    QLineEdit* first = b.edit(across, page, 65);
    QLineEdit* second = b.edit(down, page, 65);
    first->move(acrossLeft, 10);
    QLabel* title = caption("Champ :", first, page);
    title->move(acrossLeft - title->sizeHint().width() - 8, 13);
    QLabel* times = caption("x", second, page);
    // The design's places, moved right as far as a larger font needs.
    const int gap = std::max(0, (downLeft - acrossLeft - 65 - times->sizeHint().width()) / 2);
    const int timesLeft = acrossLeft + first->width() + gap;
    times->move(timesLeft, 13);
    second->move(std::max(downLeft, timesLeft + times->sizeHint().width() + gap), 10);
    (new QLabel("'", page))->move(second->x() + second->width() + 5, 13);
}

QComboBox* sensorList(Binder& b, form::ListControl& list, QWidget* page, int left, int top, int width) {
    QComboBox* combo = b.combo(list, page, 10);
    combo->setGeometry(left, top, width, combo->sizeHint().height());
    QLabel* label = caption("Capteur", combo, page);
    label->move(left - label->sizeHint().width() - 8, top + 4);
    return combo;
}

// Paints the planet drawing the form keeps.
class PlanetView : public QWidget {
public:
    PlanetView(form::PlanetBox& box, QWidget* parent) : QWidget(parent), m_box(box) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), colour(drawings::kTeal));
        // Pixel by pixel, as the drawing gives them: a painter's own ellipse
        // strays a pixel or more out of its box for flat ones.
        for (const auto& shape : m_box.drawing().shapes) {
            const QColor outline = colour(shape.outline), fill = colour(shape.fill);
            for (const auto& row : drawings::ellipsePixels(shape.box, height())) {
                painter.fillRect(QRect(row.left, row.y, row.right - row.left, 1), outline);
                painter.fillRect(QRect(row.innerLeft, row.y, row.innerRight - row.innerLeft, 1), fill);
            }
        }
    }

private:
    form::PlanetBox& m_box;
};

// Paints the sky around an object framed by the sensor: its picture (or a
// dark sky and its outline), the other objects in view, the mosaic's panels
// and its outline with a mark on the frame's up side, a compass and a scale;
// a drag inside the frame moves it, outside turns it, the wheel zooms.
class FramingView : public QWidget {
public:
    static constexpr std::size_t kMostLabels = 60;
    FramingView(form::Form& form, PhotoPage& page, QWidget* parent)
        : QWidget(parent), m_form(form), m_page(page) {
        setCursor(Qt::OpenHandCursor);
        setFocusPolicy(Qt::WheelFocus);
    }

    // The user's image at its place on the sky, turned and mirrored as it
    // lies there, and its outline.
    static void paintImage(QPainter& painter, const drawings::FramingScene& scene) {
        QPolygonF outline;
        for (const auto& corner : *scene.image) outline << QPointF(corner.x, corner.y);
        if (const QImage picture = scene.imagePicture ? imageOf(*scene.imagePicture) : QImage(); !picture.isNull()) {
            const QPolygonF frame({QPointF(0, 0), QPointF(picture.width(), 0), QPointF(picture.width(), picture.height()),
                                   QPointF(0, picture.height())});
            QTransform onSky;
            if (QTransform::quadToQuad(frame, outline, onSky)) {
                painter.save();
                painter.setTransform(onSky, true);
                painter.setOpacity(0.85);
                painter.drawImage(QPointF(0, 0), picture);
                painter.restore();
            }
        }
        painter.setPen(QPen(shownColour(QColor(120, 220, 140)), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(outline);
    }

    // Paints the scene at the painter's scale: the view's own size, or twice it.
    static void paint(QPainter& painter, const drawings::FramingScene& scene, const QImage& picture) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.fillRect(QRectF(0, 0, scene.width, scene.height), shownColour(QColor(8, 10, 24)));
        paintStars(painter, scene);
        if (!picture.isNull()) {
            painter.drawImage(QRectF(scene.pictureLeft, scene.pictureTop, scene.pictureWidth, scene.pictureHeight),
                              picture);
        }
        if (scene.image) {
            paintImage(painter, scene);
            // The catalogue's stars on the image: the solution fits when they sit on its stars.
            painter.setPen(QPen(shownColour(QColor(120, 220, 140)), 0.8));
            painter.setBrush(Qt::NoBrush);
            for (const auto& star : scene.imageStars) painter.drawEllipse(QPointF(star.x, star.y), 3.5, 3.5);
        }
        if (!scene.contours.empty()) {
            painter.setPen(QPen(shownColour(QColor(255, 200, 120)), 1, Qt::DashLine));
            painter.setBrush(Qt::NoBrush);
            for (const auto& contour : scene.contours) {
                QPolygonF shape;
                for (const auto& p : contour) shape << QPointF(p.x, p.y);
                painter.drawPolygon(shape);
            }
        }
        if (scene.outline) {
            painter.save();
            painter.translate(scene.centre.x, scene.centre.y);
            painter.rotate(-scene.positionAngleDeg);  // counter-clockwise: east is left
            painter.setPen(QPen(shownColour(QColor(255, 200, 120)), 1, Qt::DashLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(QPointF(0, 0), scene.halfMinorPx, scene.halfMajorPx);
            painter.restore();
        }
        const auto polygon = [](const drawings::Quad& quad) {
            QPolygonF shape;
            for (const auto& p : quad) shape << QPointF(p.x, p.y);
            return shape;
        };
        painter.setBrush(Qt::NoBrush);
        if (scene.panels.size() > 1) {
            painter.setPen(QPen(shownColour(QColor(255, 120, 120)), 1));
            for (const auto& panel : scene.panels) painter.drawPolygon(polygon(panel));
        }
        for (std::size_t i = 0; i < scene.compared.size() && i < std::size(drawings::kComparedColours); ++i) {
            painter.setPen(QPen(colour(drawings::kComparedColours[i]), 1, penStyle(drawings::kComparedLines[i])));
            painter.drawPolygon(polygon(scene.compared[i]));
        }
        painter.setPen(QPen(shownColour(QColor(255, 0, 0)), 2));
        painter.drawPolygon(polygon(scene.mosaic));
        // The frame's up side.
        painter.setBrush(shownColour(QColor(255, 0, 0)));
        painter.setPen(Qt::NoPen);
        painter.drawPolygon(QPolygonF({QPointF(scene.up[0].x, scene.up[0].y), QPointF(scene.up[1].x, scene.up[1].y),
                                       QPointF(scene.up[2].x, scene.up[2].y)}));
        painter.setBrush(Qt::NoBrush);
        paintGuides(painter, scene);
    }

    // Each star a filled disc, the faintest first.
    static void paintStars(QPainter& painter, const drawings::FramingScene& scene) {
        painter.setPen(Qt::NoPen);
        for (const auto& star : scene.stars) {
            painter.setBrush(shownColour(QColor(star.colour[0], star.colour[1], star.colour[2])));
            painter.drawEllipse(QPointF(star.centre.x, star.centre.y), star.radiusPx, star.radiusPx);
        }
        painter.setBrush(Qt::NoBrush);
    }

    // The other objects, the compass, the scale bar and the stars' legend.
    static void paintGuides(QPainter& painter, const drawings::FramingScene& scene) {
        QFont small = painter.font();
        small.setPointSizeF(small.pointSizeF() * 0.8);
        painter.setFont(small);
        const QColor neighbour = shownColour(QColor(150, 180, 230));
        // Thin solid outlines: a dotted pen costs several times more to draw,
        // and a crowded field of the Milky Way holds hundreds of objects.
        painter.setPen(QPen(neighbour, 0.8));
        for (const auto& n : scene.neighbours) {
            if (n.positionAngleDeg == 0 || n.halfMinorPx == n.halfMajorPx) {
                painter.drawEllipse(QPointF(n.centre.x, n.centre.y), n.halfMinorPx, n.halfMajorPx);
                continue;
            }
            painter.save();
            painter.translate(n.centre.x, n.centre.y);
            painter.rotate(-n.positionAngleDeg);
            painter.drawEllipse(QPointF(0, 0), n.halfMinorPx, n.halfMajorPx);
            painter.restore();
        }
        // Their designations, as many as the chart can show legibly.
        painter.setPen(neighbour);
        for (std::size_t i = 0; i < scene.neighbours.size() && i < kMostLabels; ++i) {
            const auto& n = scene.neighbours[i];
            painter.drawStaticText(QPointF(n.centre.x + std::min(n.halfMajorPx, 40.0) * 0.7 + 2, n.centre.y - 10),
                                   QStaticText(QString::fromStdString(n.label)));
        }
        const QColor guide = shownColour(QColor(220, 220, 220));
        painter.setPen(QPen(guide, 1));
        // North up, east left, from the top left corner.
        const QPointF origin(40, 30);
        painter.drawLine(origin, origin + QPointF(0, -18));
        painter.drawLine(origin, origin + QPointF(-18, 0));
        painter.drawText(origin + QPointF(-4, -20), "N");
        painter.drawText(origin + QPointF(-30, 4), "E");
        // The scale bar, bottom left.
        if (scene.scaleBarPx > 0) {
            const double y = scene.height - 10;
            painter.drawLine(QPointF(10, y), QPointF(10 + scene.scaleBarPx, y));
            painter.drawLine(QPointF(10, y - 3), QPointF(10, y + 3));
            painter.drawLine(QPointF(10 + scene.scaleBarPx, y - 3), QPointF(10 + scene.scaleBarPx, y + 3));
            const double arcmin = scene.scaleBarArcmin;
            const QString length = arcmin >= 60 ? QString::fromStdString(core::shortest(arcmin / 60)) + "°"
                                   : arcmin >= 1 ? QString::fromStdString(core::shortest(arcmin)) + "'"
                                                 : QString::fromStdString(core::shortest(arcmin * 60)) + "\"";
            painter.drawText(QPointF(14 + scene.scaleBarPx, y + 4), length);
        }
        if (!scene.starsNote.empty()) {
            // On the sky's colour, so that the labels under it do not blur it.
            const QString note = translate(scene.starsNote);
            QRectF box = painter.fontMetrics().boundingRect(note);
            box.moveTopRight(QPointF(scene.width - 4, 3));
            QColor backing = shownColour(QColor(8, 10, 24));
            backing.setAlpha(200);
            painter.fillRect(box.adjusted(-3, -1, 3, 1), backing);
            painter.setPen(shownColour(QColor(170, 170, 170)));
            painter.drawText(box, Qt::AlignRight | Qt::AlignTop, note);
        }
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const auto& scene = m_page.vueObjet.scene();
        paint(painter, scene, pictureOf(scene));
    }
    void mousePressEvent(QMouseEvent* event) override {
        m_form.userPresses(m_page.vueObjet, {event->position().x(), event->position().y()});
        setCursor(Qt::ClosedHandCursor);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (!(event->buttons() & Qt::LeftButton)) return;
        m_form.userDrags(m_page.vueObjet, {event->position().x(), event->position().y()});
    }
    void mouseReleaseEvent(QMouseEvent*) override { setCursor(Qt::OpenHandCursor); }
    void resizeEvent(QResizeEvent*) override { m_page.setChartSize(width(), height()); }
    void wheelEvent(QWheelEvent* event) override {
        const int steps = event->angleDelta().y() / 120;
        if (steps != 0) m_form.userZooms(m_page.vueObjet, std::pow(1.25, steps));
        event->accept();
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal) {
            m_form.userZooms(m_page.vueObjet, 1.25);
        } else if (event->key() == Qt::Key_Minus) {
            m_form.userZooms(m_page.vueObjet, 1 / 1.25);
        } else {
            QWidget::keyPressEvent(event);
        }
    }

private:
    // The picture as the mode shows it: red at night.
    const QImage& pictureOf(const drawings::FramingScene& scene) {
        const auto& pixels = scene.picture ? scene.picture->pixels : nullptr;
        if (pixels != m_pixels || m_shownAtNight != nightMode()) {
            m_pixels = pixels;
            m_shownAtNight = nightMode();
            m_shown = pixels ? shownImage(imageOf(*pixels)) : QImage();
        }
        return m_shown;
    }

    form::Form& m_form;
    PhotoPage& m_page;
    std::shared_ptr<const drawings::Bitmap> m_pixels;
    QImage m_shown;
    bool m_shownAtNight = false;
};

}  // namespace

void paintFraming(QPainter& painter, const drawings::FramingScene& scene, const QImage& picture) {
    FramingView::paint(painter, scene, picture);
}

int placedRow(Binder& b, QWidget* page, int left, int top,
              std::initializer_list<std::tuple<const char*, form::EditField*, int, const char*>> parts) {
    int x = left;
    int height = 0;
    for (const auto& [text, field, width, unit] : parts) {
        QLineEdit* edit = b.edit(*field, page, width);
        // In the interface's language before it is measured.
        QLabel* title = caption(tt(std::string(text)), edit, page);
        title->adjustSize();
        title->move(x, top + 3);
        x += title->width() + 6;
        edit->move(x, top);
        x += edit->width() + 4;
        height = std::max(height, edit->sizeHint().height());
        if (unit[0] != '\0') {
            auto* after = new QLabel(tt(std::string(unit)), page);
            after->adjustSize();
            after->move(x, top + 3);
            x += after->width() + 10;
        } else {
            x += 8;
        }
    }
    return top + height;
}


QWidget* buildDessinCapteurPage(Binder& b, SensorDrawingPage& f) {
    auto* p = new QWidget;
    p->setObjectName("tsDessinCapteur");
    QFrame* frame = panel(p, drawings::kSkyBlue);
    b.place(f.pCapteurs1, frame);
    QFrame* sensor = panel(p, drawings::kTeal);
    b.place(f.pCapteurs2, sensor);
    auto* over = new QLabel(p);
    over->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    over->setAlignment(Qt::AlignCenter);
    over->setAutoFillBackground(true);
    over->setPalette(frame->palette());
    b.place(f.pCapteurs3, over);
    // Stacked from the bottom: the frame, the sensor, the captioned frame.
    sensor->raise();
    over->raise();
    auto* across = new QLabel(p);
    across->move(255, 100);
    b.place(f.labTailleRefH, across);
    auto* down = new QLabel(p);
    b.place(f.labTailleRefV, down);
    down->adjustSize();
    // At its place, or further left when a larger font's letters would reach the frame.
    down->move(std::min(44, frame->x() - down->fontMetrics().tightBoundingRect(down->text()).right()), 248);
    auto* size = new QLabel(p);
    size->move(328, 500);
    b.place(f.labTailleMMCapt, size);
    b.watch(f.labTailleMMCapt, size, [size] { size->adjustSize(); });
    size->adjustSize();
    sensorList(b, f.cbCapteursPict, p, 136, 496, 169);
    return p;
}

QWidget* buildDessinPlanetePage(Binder& b, PlanetDrawingPage& f) {
    auto* p = new QWidget;
    p->setObjectName("tsDessinPlanete");
    fieldRow(b, p, f.eChampPlaH, 180, f.eChampPlaV, 278);
    auto* drawing = new PlanetView(f.pbDessinPla, p);
    b.place(f.pbDessinPla, drawing);
    b.watch(f.pbDessinPla, drawing, [drawing] { drawing->update(); });
    b.popupMenu(f.pmDessinPla, drawing, [&f] { return f.regionMenuOpens(true); });
    for (form::Label* label : {&f.labDessinPlaNom, &f.labDessinPlaCapteur, &f.labDessinPlaTelescope}) {
        auto* text = boldCentred(new QLabel(tt(label->caption()), p), label->left(), label->top(), 361);
        b.place(*label, text);
    }
    b.popupMenu(f.pmPlanetes, p->findChild<QLabel*>("labDessinPlaNom"));
    sensorList(b, f.cbCapteursPla, p, 194, 481, 145);
    return p;
}

namespace {

// Runs `work` on a thread of its own while a dialog beside the window shows
// the search's stage, the seconds spent and left, and a button that
// cancels; the window stays usable meanwhile. Then `done` in the window.
void runAwayFromWindow(QWidget* window, const std::string& name, const core::Message& warning,
                       std::function<void(const image::Progress&)> work, std::function<void()> done) {
    struct Shared {
        std::mutex lock;
        image::SolveStatus status;
        std::atomic<bool> cancelled{false};
        std::atomic<bool> finished{false};
    };
    auto shared = std::make_shared<Shared>();
    auto* progress = new QProgressDialog(window);
    progress->setObjectName("dlgResolution");
    progress->setWindowTitle("Quarvel");
    progress->setWindowModality(Qt::NonModal);
    progress->setRange(0, 0);
    progress->setMinimumDuration(0);
    progress->setCancelButtonText(tt(std::string("Annuler")));
    const auto say = [progress, name, warning, shared] {
        image::SolveStatus status;
        {
            const std::lock_guard<std::mutex> held(shared->lock);
            status = shared->status;
        }
        QString text = translate(PhotoPage::solvingText(name, status));
        if (!warning.empty()) text += "\n" + translate(warning);
        progress->setLabelText(text);
    };
    // As wide as its widest text from the start: it does not jump as the seconds change.
    {
        image::SolveStatus widest{image::SolveStage::PlaceOnly, 888, 888};
        QString text = translate(PhotoPage::solvingText(name, widest));
        if (!warning.empty()) text += "\n" + translate(warning);
        progress->setLabelText(text);
        progress->setMinimumWidth(std::min(progress->sizeHint().width() + 20, 640));
    }
    say();
    QObject::connect(progress, &QProgressDialog::canceled, progress, [shared] { shared->cancelled = true; });
    auto* ticks = new QTimer(progress);
    QObject::connect(ticks, &QTimer::timeout, progress, [progress, ticks, shared, say, done] {
        say();
        if (!shared->finished) return;
        // Gone from the screen before what is done may show a message.
        ticks->stop();
        progress->hide();
        done();
        progress->deleteLater();
    });
    ticks->start(100);
    std::thread([shared, work = std::move(work)] {
        work([shared](const image::SolveStatus& status) {
            {
                const std::lock_guard<std::mutex> held(shared->lock);
                shared->status = status;
            }
            return !shared->cancelled.load();
        });
        shared->finished = true;
    }).detach();
    progress->show();
}

// The chart takes the room the window gives beyond its smallest size: what is
// under it moves down, the texts across the page widen with it, and the
// buttons at the right follow the box's right side.
void growWithChart(QWidget* page, QWidget* chart, QWidget* box, std::vector<QWidget*> widening,
                   std::vector<QWidget*> following) {
    const int chartBottom = chart->geometry().bottom();
    std::vector<QWidget*> below;
    for (QWidget* child : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && child->y() > chartBottom) below.push_back(child);
    }
    // The growth applied so far: each resize moves by the difference, so that
    // what a widget's own text changed since stays.
    auto applied = std::make_shared<QSize>(0, 0);
    onResize(page, [page, chart, box, widening, following, below, applied] {
        // The notebook's growth across, the page's own down.
        const QWidget* tabs = page->parentWidget();
        while (tabs && !qobject_cast<const QTabWidget*>(tabs)) tabs = tabs->parentWidget();
        const int dx = tabs ? std::max(0, tabs->width() - tabs->minimumWidth()) : 0;
        const int dy = std::max(0, page->height() - page->minimumHeight());
        const QSize by(dx - applied->width(), dy - applied->height());
        if (by.isNull()) return;
        *applied = QSize(dx, dy);
        for (QWidget* w : below) w->move(w->x(), w->y() + by.height());
        for (QWidget* w : widening) w->resize(w->width() + by.width(), w->height());
        for (QWidget* w : following) w->move(w->x() + by.width(), w->y());
        box->resize(box->width() + by.width(), box->height() + by.height());
        chart->resize(chart->width() + by.width(), chart->height() + by.height());
    });
}

}  // namespace

QWidget* buildChampPhotoPage(Binder& b, PhotoPage& f) {
    auto* p = new QWidget;
    p->setObjectName("tsChampPhoto");
    auto* box = new QFrame(p);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Taller than the other pages by the rows of the frame's centre and panels
    // (set below): the window grows to it when the page is first shown.
    box->setGeometry(25, 3, 489, 513);
    fieldRow(b, p, f.eChampPhotoV, 180, f.eChampPhotoH, 278);
    QLabel* name = boldCentred(new QLabel(p), 62, 72, 361);
    b.place(f.labPhoto, name);
    b.popupMenu(f.pmPhotos, name);
    name->setToolTip("Clic droit pour choisir une autre photographie");
    auto* picture = new QLabel(p);
    picture->setGeometry(63, 96, 360, 240);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setObjectName(qs(f.PhotoObjet.name()));
    const auto showPicture = [&f, picture] {
        const auto& bitmap = f.PhotoObjet.picture();
        if (bitmap.empty()) return;
        const QImage image(bitmap.row(0), bitmap.width(), bitmap.height(), bitmap.width() * 3, QImage::Format_RGB888);
        setShownPicture(picture, image.copy(0, 0, 360, 240));
    };
    b.watch(f.PhotoObjet, picture, showPicture);
    showPicture();
    b.place(f.labPhotoCapteur, boldCentred(new QLabel(p), 62, 340, 361));
    b.place(f.labPhotoTelescope, boldCentred(new QLabel(p), 62, 360, 361));
    f.frenchNames = interfaceLocale().language() == QLocale::French;

    // Any object by name, with proposals as the user types.
    const int objectRowBottom = placedRow(b, p, 40, 40, {{"Objet :", &f.eObjet, 200, ""},
                                                         {"Rotation", &f.eRotation, 50, "°"}});
    auto* objectName = p->findChild<QLineEdit*>("eObjet");
    auto* proposals = new QStringListModel(p);
    auto* completer = new QCompleter(proposals, p);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer->setMaxVisibleItems(12);
    completer->popup()->setMinimumWidth(380);
    completer->setWidget(objectName);
    QObject::connect(objectName, &QLineEdit::textEdited, p, [&f, proposals, completer](const QString& text) {
        QStringList shown;
        for (const auto& label : f.proposals(ss(text))) shown << qs(label);
        proposals->setStringList(shown);
        if (!shown.isEmpty()) completer->complete();
    });
    QObject::connect(completer, qOverload<const QString&>(&QCompleter::activated), p,
                     [&f, &b, objectName](const QString& text) {
                         objectName->setText(text);
                         b.form().userTypes(f.eObjet, ss(text));
                         b.form().userPressesEnter(f.eObjet);
                     });
    // The photograph's or object's objectName under that row, whatever the font.
    if (auto* title = p->findChild<QLabel*>("labPhoto"); title && title->y() < objectRowBottom + 4) {
        title->move(title->x(), objectRowBottom + 4);
    }

    auto* framing = new FramingView(b.form(), f, p);
    framing->setGeometry(63, 96, PhotoPage::kFramingWidth, PhotoPage::kFramingHeight);
    framing->setObjectName(qs(f.vueObjet.name()));
    b.watch(f.vueObjet, framing, [framing, &f] {
        framing->setVisible(f.vueObjet.visible());
        framing->update();
    });
    framing->setVisible(f.vueObjet.visible());
    picture->setVisible(f.PhotoObjet.visible());
    b.watch(f.PhotoObjet, picture, [picture, &f] { picture->setVisible(f.PhotoObjet.visible()); });

    // The mosaic, the frame's centre, the line that says whether the object
    // fits, the legend and the panels.
    const int mosaicBottom = placedRow(b, p, 40, 384, {{"Mosaïque", &f.eMosaiqueX, 36, "x"},
                                                       {"", &f.eMosaiqueY, 36, ""},
                                                       {"Recouvrement", &f.eRecouvrement, 40, "%"}});
    const int centreBottom = placedRow(b, p, 40, mosaicBottom + 4, {{"Centre :", &f.eCentre, 190, ""}});
    QLabel* centre = b.label(f.labCentre, p);
    centre->setTextInteractionFlags(Qt::TextSelectableByMouse);
    const QLineEdit* typedCentre = p->findChild<QLineEdit*>("eCentre");
    centre->setGeometry(typedCentre->geometry().right() + 8, typedCentre->y() + 3,
                        512 - typedCentre->geometry().right() - 8, typedCentre->height() - 3);
    // Two lines of text each, at the font's size.
    const int twoLines = 2 * p->fontMetrics().lineSpacing() + 2;
    QLabel* fit = b.label(f.labCadrage, p);
    fit->setWordWrap(true);
    fit->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPushButton* advised = b.button(f.bbAngleConseille, p);
    advised->adjustSize();
    advised->move(512 - advised->width(), centreBottom + 4);
    fit->setGeometry(30, centreBottom + 4, advised->x() - 34, twoLines);
    QLabel* legend = b.label(f.labLegende, p);
    legend->setWordWrap(true);
    legend->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    legend->setGeometry(30, fit->geometry().bottom() + 2, 480, twoLines);
    QPushButton* exportPanels = b.button(f.bbExporterPanneaux, p);
    exportPanels->adjustSize();
    QPushButton* copyPanels = b.button(f.bbCopierPanneaux, p);
    copyPanels->adjustSize();
    const int buttonsWidth = std::max(exportPanels->width(), copyPanels->width());
    const int panelsTop = legend->geometry().bottom() + 2;
    exportPanels->setGeometry(512 - buttonsWidth, panelsTop, buttonsWidth, exportPanels->height());
    copyPanels->setGeometry(512 - buttonsWidth, panelsTop + exportPanels->height(), buttonsWidth, copyPanels->height());
    QListWidget* panels = b.listBox(f.tabPanneaux, p);
    panels->setGeometry(30, panelsTop, 512 - buttonsWidth - 36, exportPanels->height() + copyPanels->height());
    f.askPanelsPath = [p](const std::string& name) -> std::optional<std::string> {
        QFileDialog dialog(p->window(), tt(std::string("Exporter les panneaux…")), QDir::home().filePath(qs(name)), "CSV (*.csv)");
        dialog.setOptions(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix("csv");
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        return ss(dialog.selectedFiles().front());
    };
    f.copyText = [](const std::string& text) { QGuiApplication::clipboard()->setText(QString::fromStdString(text)); };
    QComboBox* sensors = sensorList(b, f.cbCapteursPhoto, p, 174, copyPanels->geometry().bottom() + 6, 185);
    // The user's own image: opened, solved, measured beside the setup.
    QPushButton* measure = b.button(f.bbMesurerImage, p);
    measure->adjustSize();
    // Beside the sensor's list, or under it where a large font leaves no room.
    if (sensors->geometry().right() + 6 + measure->width() <= 512) {
        measure->move(512 - measure->width(), sensors->y() + (sensors->height() - measure->height()) / 2);
    } else {
        measure->move(512 - measure->width(), sensors->geometry().bottom() + 4);
    }
    QPushButton* retake = b.button(f.bbReprendreCadrage, p);
    retake->adjustSize();
    QPushButton* seeing = b.button(f.bbFwhmTurbulence, p);
    seeing->adjustSize();
    QPushButton* solve = b.button(f.bbResoudreImage, p);
    solve->adjustSize();
    // Seven lines of measure, room for one more where a long line wraps, and
    // its buttons under it at the right.
    QLabel* measured = b.label(f.labMesure, p);
    measured->setWordWrap(true);
    measured->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    measured->setTextInteractionFlags(Qt::TextSelectableByMouse);
    measured->setGeometry(30, std::max(sensors->geometry().bottom(), measure->geometry().bottom()) + 4, 482,
                          8 * p->fontMetrics().lineSpacing() + 2);
    seeing->move(512 - seeing->width(), measured->geometry().bottom() + 2);
    retake->move(seeing->x() - 4 - retake->width(), seeing->y());
    solve->move(retake->x() - 4 - solve->width(), seeing->y());
    f.askImagePath = [p]() -> std::optional<std::string> {
        QFileDialog dialog(p->window(), tt(std::string("Mesurer une image…")), QDir::homePath(),
                           "Images (*.fits *.fit *.fts *.FIT *.FITS *.cr2 *.CR2 *.cr3 *.CR3 *.nef *.NEF *.arw *.ARW "
                           "*.dng *.DNG *.tif *.tiff *.TIF *.png *.PNG *.jpg *.jpeg *.JPG);;* (*)");
        dialog.setOptions(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        return ss(dialog.selectedFiles().front());
    };
    f.runAway = [p](const std::string& name, const core::Message& warning, std::function<void(const image::Progress&)> work,
                    std::function<void()> done) {
        runAwayFromWindow(p->window(), name, warning, std::move(work), std::move(done));
    };
    box->setGeometry(25, 3, 489, std::max(measured->geometry().bottom(), seeing->geometry().bottom()) + 6);
    p->setMinimumHeight(box->geometry().bottom() + 4);
    growWithChart(p, framing, box,
                  {name, p->findChild<QLabel*>("labPhotoCapteur"), p->findChild<QLabel*>("labPhotoTelescope"), centre,
                   fit, legend, panels, measured},
                  {advised, exportPanels, copyPanels, measure, retake, seeing, solve});
    return p;
}

}  // namespace quarvel::ui::qt
