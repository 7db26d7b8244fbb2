// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/main_window.h"

#include "ui/names.h"
#include "ui/qt/about_view.h"
#include "ui/qt/glyphs.h"
#include "ui/qt/night.h"
#include "ui/qt/translation.h"

#include <array>
#include <functional>

#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QLabel>
#include <QShortcut>
#include <QTimer>
#include <QHBoxLayout>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quarvel::ui::qt {

namespace {

// How long the status line says a save went well.
constexpr int kStatusMilliseconds = 5000;
// The window shows the notebook's 549 pixels and a margin.
constexpr int kWindowWidth = 590;
constexpr int kWindowHeight = 620;
constexpr int kNotebookWidth = 549;

// Tabs with less room around their captions than the style's default.
class TightTabs : public NightStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_TabBarTabHSpace) return 1;
        return NightStyle::pixelMetric(metric, option, widget);
    }
};

// Each page's view, built over its page, in the order of the tabs.
using Builder = std::function<QWidget*(Binder&, MainForm&)>;

template <typename PageForm>
Builder over(QWidget* (*build)(Binder&, PageForm&), PageForm MainForm::*page) {
    return [build, page](Binder& binder, MainForm& form) { return build(binder, form.*page); };
}

const auto kPageBuilders = [] {
    std::array<Builder, kPageCount> builders;
    builders[indexOf(Page::Parametrage)] = over(buildParametragePage, &MainForm::parametrage);
    builders[indexOf(Page::DessinCapteur)] = over(buildDessinCapteurPage, &MainForm::sensorDrawing);
    builders[indexOf(Page::Calculs)] = over(buildCalculsPage, &MainForm::calculs);
    builders[indexOf(Page::Imagerie)] = over(buildImageriePage, &MainForm::imagerie);
    builders[indexOf(Page::DessinPlanete)] = over(buildDessinPlanetePage, &MainForm::planetDrawing);
    builders[indexOf(Page::ChampPhoto)] = over(buildChampPhotoPage, &MainForm::photo);
    builders[indexOf(Page::Nuit)] = over(buildNuitPage, &MainForm::night);
    builders[indexOf(Page::Comparer)] = over(buildComparerPage, &MainForm::comparer);
    builders[indexOf(Page::Aide)] = over(buildAidePage, &MainForm::help);
    builders[indexOf(Page::APropos)] = over(buildAProposPage, &MainForm::about);
    return builders;
}();

}  // namespace

MainWindow::MainWindow(MainForm& form) : m_form(form), m_binder(form), m_built(std::size(kPageBuilders), false) {
    setObjectName(qs(form.name()));
    setWindowTitle(tt(form.caption()));
    auto* tabs = m_tabs = new QTabWidget(this);
    tabs->setMinimumWidth(kNotebookWidth);
    // Every caption in 549 pixels: tight tabs, no scroll arrows.
    tabs->tabBar()->setUsesScrollButtons(false);
    tabs->tabBar()->setExpanding(false);
    auto* tight = new TightTabs;
    tight->setParent(tabs);
    tabs->tabBar()->setStyle(tight);
    // Each page starts as an empty holder and gets its widgets when first shown.
    for (const auto& page : form.TabbedNotebook1.pages()) {
        auto* holder = new QWidget(tabs);
        auto* layout = new QVBoxLayout(holder);
        layout->setContentsMargins(0, 0, 0, 0);
        tabs->addTab(holder, tt(page));
    }
    // The mask: a plain panel laid over the row of tabs.
    auto* mask = new QWidget(tabs);
    mask->setAutoFillBackground(true);
    mask->setGeometry(0, 0, kNotebookWidth, tabs->tabBar()->sizeHint().height());
    onResize(tabs, [tabs, mask] { mask->resize(tabs->width(), mask->height()); });

    auto* buttons = new QHBoxLayout;
    const std::pair<form::Button*, Glyph> bottom[] = {
        {&form.bbRAZ, Glyph::Erase},
        {&form.bbChargeConfig, Glyph::Open},
        {&form.bbSauveConfig, Glyph::Save},
        {&form.bbQuit, Glyph::Quit},
    };
    for (const auto& [model, kind] : bottom) {
        QPushButton* button = m_binder.button(*model, this);
        button->setIcon(glyph(kind));
        buttons->addWidget(button);
    }
    // The status line, and the night mode beside it.
    auto* status = new QHBoxLayout;
    QLabel* said = m_binder.label(form.labStatut, this);
    said->setMinimumWidth(0);
    said->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    status->addWidget(said, 1);
    status->addWidget(m_binder.button(form.bbCopier, this));
    // The drawing's two, by their icons; their words are their tooltips.
    const std::pair<form::Button*, Glyph> pictures[] = {
        {&form.bbCopierImage, Glyph::CopyPicture},
        {&form.bbEnregistrerImage, Glyph::Save},
    };
    for (const auto& [model, icon] : pictures) {
        QPushButton* button = m_binder.button(*model, this);
        button->setAccessibleName(button->text());
        button->setProperty(kIconOnlyProperty, true);
        button->setText("");
        button->setIcon(glyph(icon));
        status->addWidget(button);
    }
    QPushButton* night = m_binder.button(form.bModeNuit, this);
    night->setIcon(glyph(Glyph::Night));
    status->addWidget(night);
    form.copyResults = [](const std::vector<ResultLine>& lines) { QGuiApplication::clipboard()->setText(resultsText(lines)); };
    form.exportDrawing = [this](bool save) { exportDrawing(save); };
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(tabs, 1);
    layout->addLayout(buttons);
    layout->addLayout(status);
    m_statusRow = status;
    // What a save says goes after a few seconds.
    auto* fade = new QTimer(this);
    fade->setSingleShot(true);
    connect(fade, &QTimer::timeout, said, [said] { said->clear(); });
    m_binder.watch(form.labStatut, said, [fade] { fade->start(kStatusMilliseconds); });
    m_binder.watch(form.bModeNuit, night, [&form] { setNightMode(form.bModeNuit.checked()); });
    addShortcuts();
    // The window takes its size before the first page is built, so that the
    // page is laid out once, at the size it is shown.
    fitContents();
    m_binder.notebook(form.TabbedNotebook1, tabs, form.pMasqueOnglets, mask,
                      [this](int page) { ensurePage(page); });
}

// The keys a desktop user tries first; each is what the user could do with
// the mouse, under the same rules (nothing behind the tab mask).
void MainWindow::addShortcuts() {
    const auto on = [this](const QKeySequence& keys, std::function<void()> action) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, std::move(action));
    };
    on(QKeySequence(Qt::CTRL | Qt::Key_S), [this] { m_form.userClicks(m_form.bbSauveConfig); });
    on(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { m_form.userClicks(m_form.bbQuit); });
    on(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] { m_form.userClicks(m_form.bbCopier); });
    on(QKeySequence(Qt::CTRL | Qt::Key_N), [this] { m_form.userClicks(m_form.bModeNuit); });
    on(QKeySequence(Qt::Key_F1), [this] { m_form.userSwitches(m_form.TabbedNotebook1, indexOf(Page::Aide)); });
    const auto step = [this](int by) {
        const int count = static_cast<int>(m_form.TabbedNotebook1.pages().size());
        m_form.userSwitches(m_form.TabbedNotebook1, (m_form.TabbedNotebook1.activePage() + by + count) % count);
    };
    for (const auto& keys : {QKeySequence(Qt::CTRL | Qt::Key_PageDown), QKeySequence(Qt::CTRL | Qt::Key_Tab)}) {
        on(keys, [step] { step(1); });
    }
    for (const auto& keys : {QKeySequence(Qt::CTRL | Qt::Key_PageUp), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                             QKeySequence(Qt::CTRL | Qt::Key_Backtab)}) {
        on(keys, [step] { step(-1); });
    }
}

// The window's smallest size is its design's at the default font, and grows
// to what the tabs and the pages built so far need at a larger one; the user
// may make it larger, and the sky chart takes the room.
void MainWindow::fitContents() {
    if (!layout()) return;  // still being built
    m_tabs->setMinimumWidth(kNotebookWidth);
    const int tabsWidth = std::max(m_tabs->tabBar()->sizeHint().width(), m_tabs->minimumSizeHint().width());
    if (tabsWidth > kNotebookWidth) m_tabs->setMinimumWidth(tabsWidth);
    layout()->activate();
    const QSize need = layout()->minimumSize();
    // The status line comes under the design's window.
    const int statusHeight = m_statusRow ? m_statusRow->sizeHint().height() + layout()->spacing() : 0;
    setMinimumSize(std::max(kWindowWidth, need.width()), std::max(kWindowHeight + statusHeight, need.height()));
    resize(isVisible() ? size().expandedTo(minimumSize()) : minimumSize());
}

QString resultsText(const std::vector<ResultLine>& lines) {
    QStringList text;
    for (const ResultLine& line : lines) {
        QStringList cells{translate(line.caption)};
        for (const auto& value : line.values) cells << translate(value);
        cells << translate(line.unit);
        text << cells.join('\t');
    }
    return text.join('\n') + '\n';
}

// The chart of the "Champ photo" page alone, at twice its size: the object's
// name over it, the sensor and the telescope under it.
QImage MainWindow::chartImage() const {
    const PhotoPage& photo = m_form.photo;
    const auto& scene = photo.vueObjet.scene();
    const QFont font = m_tabs->font();
    const int line = QFontMetrics(font).lineSpacing() + 6;
    QImage image(QSize(scene.width, scene.height + 2 * line) * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(m_tabs->palette().color(QPalette::Window));
    QPainter painter(&image);
    painter.setPen(m_tabs->palette().color(QPalette::WindowText));
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    const QRectF top(0, 0, scene.width, line), bottom(0, scene.height + line, scene.width, line);
    painter.drawText(top, Qt::AlignCenter, QString::fromStdString(photo.labPhoto.caption()));
    painter.drawText(bottom, Qt::AlignCenter,
                     QString::fromStdString(photo.labPhotoCapteur.caption() + " — " + photo.labPhotoTelescope.caption()));
    painter.translate(0, line);
    painter.setClipRect(QRectF(0, 0, scene.width, scene.height));
    painter.setFont(font);
    const QImage picture = scene.picture && scene.picture->pixels ? shownImage(imageOf(*scene.picture->pixels)) : QImage();
    paintFraming(painter, scene, picture);
    painter.end();
    image.setDevicePixelRatio(1);
    return image;
}

bool MainWindow::showsChart() const {
    return m_tabs->currentIndex() == indexOf(Page::ChampPhoto) && m_form.photo.vueObjet.visible();
}

// The page shown, drawn at twice its size on the screen for a sharp picture;
// the sky chart alone when the "Champ photo" page shows one.
QImage MainWindow::drawingImage() const {
    if (showsChart()) return chartImage();
    QWidget* page = m_tabs->currentWidget();
    QImage image(page->size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(page->palette().color(QPalette::Window));
    page->render(&image);
    image.setDevicePixelRatio(1);
    return image;
}

// Copied, or saved as PNG where the user says: written whole or not at all.
void MainWindow::exportDrawing(bool save) {
    const QImage image = drawingImage();
    if (!save) {
        QGuiApplication::clipboard()->setImage(image);
        return;
    }
    const QWidget* page = m_tabs->currentWidget()->layout()->itemAt(0)->widget();
    const QString suggested =
        QDir::home().filePath(showsChart() ? QString::fromStdString(m_form.photo.chartName()) + ".png"
                                           : "quarvel-" + page->objectName().mid(2).toLower() + ".png");
    QFileDialog dialog(this, tt(m_form.bbEnregistrerImage.caption()), suggested, "PNG (*.png)");
    dialog.setOptions(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The suffix is the dialog's own, so that a name typed without it is the
    // name it asks about before replacing a file.
    dialog.setDefaultSuffix("png");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    QString path = dialog.selectedFiles().front();
    // A PNG by its name too, whatever other suffix was typed.
    if (!path.endsWith(".png", Qt::CaseInsensitive)) path += ".png";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        m_form.guard().reporter().report(core::errorMessageOf(core::ErrorCode::CannotWrite, core::Message::data(ss(path))));
    }
}

void MainWindow::ensurePage(int index) {
    if (index < 0 || index >= static_cast<int>(m_built.size()) || m_built[static_cast<std::size_t>(index)]) return;
    m_built[static_cast<std::size_t>(index)] = true;
    QWidget* holder = m_tabs->widget(index);
    QWidget* page = kPageBuilders[index](m_binder, m_form);
    translateWidgets(page);
    holder->layout()->addWidget(page);
    fitContents();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The close box ends the program at once, without asking and without saving.
    event->accept();
}

}  // namespace quarvel::ui::qt
