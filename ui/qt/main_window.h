// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <initializer_list>
#include <tuple>

#include "ui/main_form.h"
#include "ui/qt/binding.h"

class QImage;
class QPainter;
class QLayout;
class QTabWidget;

namespace quarvel::ui::qt {

// The main window "Quarvel": the notebook of pages, the bottom buttons and
// the status line.
class MainWindow : public QWidget {
public:
    explicit MainWindow(MainForm& form);

    // Builds a page's widgets the first time the page is shown.
    void ensurePage(int index);
    // The page shown, at twice its size on the screen.
    QImage drawingImage() const;
    QImage chartImage() const;
    bool showsChart() const;

private:
    void exportDrawing(bool save);
    void fitContents();
    void addShortcuts();
    void closeEvent(QCloseEvent* event) override;
    MainForm& m_form;
    Binder m_binder;
    QTabWidget* m_tabs = nullptr;
    QLayout* m_statusRow = nullptr;
    std::vector<bool> m_built;
};

// Results as a spreadsheet takes them: a line each, caption, values and unit
// apart by tabs, in the interface's language.
QString resultsText(const std::vector<ResultLine>& lines);

// An object framed by the sensor, painted at the painter's scale.
void paintFraming(QPainter& painter, const drawings::FramingScene& scene, const QImage& picture);

// "Caption [field] unit" at a place, the field as wide as given; returns
// the row's bottom.
int placedRow(Binder& b, QWidget* page, int left, int top,
              std::initializer_list<std::tuple<const char*, form::EditField*, int, const char*>> parts);

// A date field shown in the interface's date format.
Binder::Display localDateDisplay();

// The pages, built into the notebook's tabs.
QWidget* buildParametragePage(Binder& binder, ParametragePage& form);
QWidget* buildDessinCapteurPage(Binder& binder, SensorDrawingPage& form);
QWidget* buildCalculsPage(Binder& binder, CalculsPage& form);
QWidget* buildImageriePage(Binder& binder, ImageriePage& form);
QWidget* buildDessinPlanetePage(Binder& binder, PlanetDrawingPage& form);
QWidget* buildChampPhotoPage(Binder& binder, PhotoPage& form);
QWidget* buildNuitPage(Binder& binder, NightPage& form);
QWidget* buildComparerPage(Binder& binder, ComparerPage& form);
QWidget* buildAidePage(Binder& binder, HelpPage& form);
QWidget* buildAProposPage(Binder& binder, AboutPage& form);

}  // namespace quarvel::ui::qt
