// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/main_window.h"

#include "ui/names.h"
#include "ui/qt/glyphs.h"
#include "ui/qt/translation.h"

#include <array>
#include <functional>

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quarvel::ui::qt {

namespace {

// The window shows the notebook's 549 pixels and a margin.
constexpr int kWindowWidth = 590;
constexpr int kWindowHeight = 620;
constexpr int kNotebookWidth = 549;

// Tabs with less room around their captions than the style's default.
class TightTabs : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_TabBarTabHSpace) return 3;
        return QProxyStyle::pixelMetric(metric, option, widget);
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
    builders[indexOf(Page::Aide)] = over(buildAidePage, &MainForm::help);
    builders[indexOf(Page::APropos)] = over(buildAProposPage, &MainForm::about);
    return builders;
}();

}  // namespace

MainWindow::MainWindow(MainForm& form) : m_form(form), m_binder(form), m_built(std::size(kPageBuilders), false) {
    setObjectName(qs(form.name()));
    setWindowTitle(tt(form.caption()));
    auto* tabs = m_tabs = new QTabWidget(this);
    tabs->setFixedWidth(kNotebookWidth);
    // Eight captions in 549 pixels: tight tabs, no scroll arrows.
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
    m_binder.notebook(form.TabbedNotebook1, tabs, form.pMasqueOnglets, mask,
                      [this](int page) { ensurePage(page); });

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
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(tabs, 1, Qt::AlignLeft);
    layout->addLayout(buttons);
    fitContents();
}

// The window's size is its design's at the default font, and grows to what
// the tabs and the pages built so far need at a larger one.
void MainWindow::fitContents() {
    if (!layout()) return;  // still being built
    m_tabs->setFixedWidth(kNotebookWidth);
    const int tabsWidth = std::max(m_tabs->tabBar()->sizeHint().width(), m_tabs->minimumSizeHint().width());
    if (tabsWidth > kNotebookWidth) m_tabs->setFixedWidth(tabsWidth);
    layout()->activate();
    const QSize need = layout()->minimumSize();
    setFixedSize(std::max(kWindowWidth, need.width()), std::max(kWindowHeight, need.height()));
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
