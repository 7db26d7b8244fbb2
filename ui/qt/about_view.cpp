// SPDX-License-Identifier: GPL-3.0-or-later
// The "A propos" page, with its picture decoded by libjpeg.
#include <QDesktopServices>
#include <QFrame>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/command_line.h"
#include "ui/drawings/jpeg.h"
#include "ui/qt/about_view.h"
#include "ui/qt/main_window.h"
#include "ui/qt/night.h"
#include "ui/qt/labels.h"

namespace quarvel::ui::qt {

extern const std::uint8_t kAboutPicture[];
extern const std::size_t kAboutPicture_size;

namespace {

constexpr const char* kReleaseDate = "07/12/2026";

}  // namespace

QImage imageOf(const drawings::Bitmap& pixels) {
    if (pixels.empty()) return {};
    return QImage(pixels.row(0), pixels.width(), pixels.height(), pixels.width() * 3, QImage::Format_RGB888).copy();
}

QImage aboutPicture() {
    const std::string_view bytes(reinterpret_cast<const char*>(kAboutPicture), kAboutPicture_size);
    return imageOf(drawings::decodeJpeg(bytes, 4096, 4096));
}

QWidget* buildAProposPage(Binder& b, AboutPage& f) {
    auto* page = new QWidget;
    page->setObjectName("tsAPropos");
    auto* outer = new QVBoxLayout(page);
    auto* panel = new QFrame(page);
    panel->setObjectName("pAPropos");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    outer->addWidget(panel);
    auto* grid = new QGridLayout(panel);

    auto* picture = new QLabel(panel);
    picture->setObjectName("imgAPropos");
    setShownPicture(picture, aboutPicture());
    grid->addWidget(picture, 0, 0, 4, 1, Qt::AlignTop | Qt::AlignLeft);
    const std::pair<const char*, QString> labels[] = {
        {"labNom", "Quarvel"},
        {"labVersion", QString("Version %1").arg(QString::fromLatin1(kVersion.data(), kVersion.size()))},
        {"labDateVersion", kReleaseDate},
        {"labAuteur", "Le projet Quarvel"},
    };
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(labels[i].second, panel);
        label->setObjectName(labels[i].first);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        grid->addWidget(label, i, 1);
    }
    // A borderless text in the panel's colour.
    auto* memo = new WrappedLabel(
        "Quarvel est un logiciel libre : vous pouvez le copier et le distribuer librement. Il est fourni tel "
        "quel, sans aucune garantie.\n\nVos remarques et suggestions sont les bienvenues à l'adresse "
        "ci-dessous.",
        panel);
    memo->setObjectName("memoApropos");
    selectableByMouse(memo);
    memo->setContentsMargins(0, 8, 0, 24);
    grid->addWidget(memo, 4, 0, 1, 2);

    QLabel* mail = b.label(f.labMail, panel);
    QFont bold = mail->font();
    bold.setBold(true);
    mail->setFont(bold);
    mail->setForegroundRole(QPalette::Highlight);
    mail->setCursor(Qt::PointingHandCursor);
    grid->addWidget(mail, 5, 0, 1, 2, Qt::AlignHCenter);
    auto* hint = new QLabel("(Double-cliquer sur l'adresse email pour envoyer un message)", panel);
    grid->addWidget(hint, 6, 0, 1, 2, Qt::AlignHCenter);
    grid->setRowStretch(7, 1);
    outer->addWidget(b.button(f.bbRun, page), 0, Qt::AlignHCenter);
    return page;
}

void openMailUrl(const std::string& url) {
    // Passed on as written: the subject keeps its blanks, nothing is percent-encoded.
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url), QUrl::TolerantMode));
}

}  // namespace quarvel::ui::qt
