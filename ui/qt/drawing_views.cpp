// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing pages: they only paint what the drawings' geometry gives them.
#include <algorithm>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>

#include "ui/qt/main_window.h"
#include "ui/qt/night.h"
#include "ui/qt/translation.h"

namespace quarvel::ui::qt {

namespace {

QColor colour(drawings::Colour c) { return shownColour(QColor(c.red, c.green, c.blue)); }

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
        for (const auto& shape : m_box.drawing().shapes) {
            painter.setPen(colour(shape.outline));
            painter.setBrush(colour(shape.fill));
            const auto& b = shape.box;
            painter.drawEllipse(QRect(b.left, b.top, std::max(b.width() - 1, 0), std::max(b.height() - 1, 0)));
        }
    }

private:
    form::PlanetBox& m_box;
};

}  // namespace

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
    down->move(frame->x() - down->width() - 4, 248);  // left of the frame, whatever the font
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

QWidget* buildChampPhotoPage(Binder& b, PhotoPage& f) {
    auto* p = new QWidget;
    p->setObjectName("tsChampPhoto");
    auto* box = new QFrame(p);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
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
    // The compared setups' frames, named by colour.
    QLabel* legend = b.label(f.labLegende, p);
    legend->setWordWrap(true);
    legend->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    legend->setGeometry(40, 388, 406, 80);
    sensorList(b, f.cbCapteursPhoto, p, 174, 480, 185);
    return p;
}

}  // namespace quarvel::ui::qt
