// SPDX-License-Identifier: GPL-3.0-or-later
// One keystroke in the diameter field with its whole chain: change handling,
// the sensor choice applied again, the recompute, and the views' updates.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QLabel>
#include <QTabWidget>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "night/targets.h"
#include "ui/drawings/framing.h"
#include "ui/targets.h"
#include "ui/drawings/jpeg.h"
#include "ui/form/guard.h"
#include "ui/qt/about_view.h"
#include "ui/qt/main_window.h"
#include "ui/names.h"
#include "ui/program.h"
#include "ui/startup.h"

namespace {

int argc = 1;
char programName[] = "ui_bench";
char* argv[] = {programName, nullptr};

class NoDialogs : public quarvel::ui::form::ModalHost {
public:
    quarvel::ui::form::ModalResult showModal(quarvel::ui::form::Form&) override {
        return quarvel::ui::form::ModalResult::Close;
    }
};

// Through the forms alone.
void BM_DiameterKeystrokeForm(benchmark::State& state) {
    QTemporaryDir dir;
    quarvel::ui::form::RecordingReporter reporter;
    NoDialogs host;
    quarvel::ui::Program program(reporter, host, {(dir.path() + "/Quarvel.ini").toStdString(), {}, {}, {}, {}, {}, {}, {}});
    auto& f = program.mainForm;
    f.start();
    f.userClicks(f.about.bbRun);
    const auto& sensors = f.parametrage.cbCapteurs.items();
    f.userPicks(f.parametrage.cbCapteurs,
                static_cast<int>(std::find(sensors.begin(), sensors.end(), "ICX285") - sensors.begin()));
    bool longer = false;
    for (auto _ : state) {
        f.userTypes(f.parametrage.eDiam, longer ? "212" : "2123");
        longer = !longer;
    }
    if (!reporter.messages.empty()) state.SkipWithError("an error was reported");
}
BENCHMARK(BM_DiameterKeystrokeForm)->Unit(benchmark::kMicrosecond);

// A keystroke in the filter of the largest list, the cameras': the list
// narrowed again over every row.
void BM_CameraFilterKeystroke(benchmark::State& state) {
    QTemporaryDir dir;
    quarvel::ui::form::RecordingReporter reporter;
    NoDialogs host;
    quarvel::ui::Program program(reporter, host,
                                 {(dir.path() + "/Quarvel.ini").toStdString(), {}, {}, {}, {}, QUARVEL_SOURCE_DIR "/data/equipment", {}, {}});
    auto& cameras = program.camerasForm;
    const char* typed[] = {"a", "as", "asi", "asi ", "asi 5", "asi 58"};
    std::size_t next = 0;
    for (auto _ : state) {
        cameras.userTypes(cameras.eFiltre, typed[next]);
        next = (next + 1) % std::size(typed);
    }
    state.counters["rows"] = static_cast<double>(program.equipment.catalogue.cameraEntries().size());
}
BENCHMARK(BM_CameraFilterKeystroke)->Unit(benchmark::kMicrosecond);

// Through the real widgets: a key press on the field, as the user makes it;
// with `state.range(0)` saved setups compared beside the current one, the
// "Comparer" page built and showing them.
void BM_DiameterKeystrokeWidget(benchmark::State& state) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const int compared = static_cast<int>(state.range(0));
    QFile setups(dir.path() + "/Quarvel-equipements.ini");
    if (!setups.open(QIODevice::WriteOnly)) state.SkipWithError("no equipment file");
    setups.write("\xEF\xBB\xBF");
    for (int n = 1; n <= compared; ++n) {
        setups.write(QString("[Montage M%1]\nTélescope=T\nBarlow=2 x\nDiamètre=%2\nFocale=%3\nFiltre=0\nCaméra=Inconnu\n"
                             "Capteur=S\nCapteurX=3000\nCapteurY=2000\nCapteurPxX=3.76\nCapteurPxY=3.76\n")
                         .arg(n).arg(100 * n).arg(500 * n).toUtf8());
    }
    setups.close();
    auto started = quarvel::ui::startQuarvel((dir.path() + "/Quarvel.ini").toStdString());
    QWidget* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "fUtil") window = w;
    }
    QTest::mouseClick(window->findChild<QWidget*>("bbRun"), Qt::LeftButton);
    auto* notebook = window->findChild<QTabWidget*>("TabbedNotebook1");
    if (compared > 0) {
        notebook->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::Comparer));
        for (int column = 2; column <= compared + 1; ++column) {
            auto* choice = window->findChild<QComboBox*>(QString("cbMontage%1").arg(column));
            choice->setCurrentIndex(column - 1);
            choice->activated(column - 1);
        }
        if (window->findChild<QLabel*>("labCmpFD4")->text().isEmpty() != (compared < 3)) {
            state.SkipWithError("the setups are not compared");
        }
        // The table stays in view: every keystroke recomputes and shows it.
    }
    window->findChild<QComboBox*>("cbCapteurs")->activated(14);
    auto* diameter = window->findChild<QLineEdit*>("eDiam");
    diameter->setFocus();
    diameter->end(false);
    bool longer = false;
    for (auto _ : state) {
        if (longer) {
            QTest::keyClick(diameter, Qt::Key_Backspace);
        } else {
            QTest::keyClick(diameter, Qt::Key_3);
        }
        longer = !longer;
    }
    started = {};
}
// One frame of the framing while the user drags the rotation: the largest
// shipped picture (M 31, 480 x 480) scaled into the page's canvas, its
// outline and a 5 x 5 mosaic turned, painted as the view paints it.
void BM_FramingPaint(benchmark::State& state) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QFile file(QUARVEL_SOURCE_DIR "/images/objects/m31.jpg");
    if (!file.open(QIODevice::ReadOnly)) state.SkipWithError("no picture");
    const QByteArray bytes = file.readAll();
    const QImage picture = quarvel::ui::qt::imageOf(
        quarvel::ui::drawings::decodeJpeg(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                          480, 480));
    quarvel::catalogues::DeepSkyObject m31;
    m31.m = "M 31";
    m31.majorArcmin = 189.1;
    m31.minorArcmin = 61.7;
    m31.positionAngleDeg = 45;
    quarvel::catalogues::Framing framing{{96.2, 64.3}, 0, 5, 5, 10};
    const quarvel::ui::drawings::ObjectPicture shown{"m31.jpg", 480, 480, 0.5122, nullptr};
    const int scale = static_cast<int>(state.range(0));
    QImage canvas(360 * scale, 240 * scale, QImage::Format_RGB32);
    for (auto _ : state) {
        framing.rotationDeg = std::fmod(framing.rotationDeg + 1, 360);
        const auto scene = quarvel::ui::drawings::framingScene(m31, framing, shown, 360, 240);
        QPainter painter(&canvas);
        painter.scale(scale, scale);
        quarvel::ui::qt::paintFraming(painter, scene, picture);
    }
}
BENCHMARK(BM_FramingPaint)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// One frame of the chart while the user drags or zooms, at twice the page's
// size, in the densest field: 10° about the North America Nebula, in the
// Cygnus Milky Way, with every catalogue object in view found and drawn.
void BM_ChartRedraw(benchmark::State& state) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QFile file(QUARVEL_SOURCE_DIR "/data/objects/objects.csv");
    if (!file.open(QIODevice::ReadOnly)) state.SkipWithError("no catalogue");
    const QByteArray bytes = file.readAll();
    const auto read = quarvel::catalogues::readObjects(
        "objects.csv", std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    const quarvel::catalogues::DeepSkyObject* ngc7000 = nullptr;
    for (const auto& row : read.rows) {
        if (row.ngc == "NGC 7000") ngc7000 = &row;
    }
    if (!ngc7000) state.SkipWithError("no NGC 7000");
    // A frame of 600' x 400' at 1 x 1: the scale shows about 10° across.
    quarvel::catalogues::Framing framing{{600, 400}, 30, 1, 1, 10};
    quarvel::ui::drawings::ChartOptions chart;
    chart.catalogue = &read.rows;
    QImage canvas(720, 480, QImage::Format_RGB32);
    std::size_t drawn = 0;
    double shift = 0;
    for (auto _ : state) {
        // The frame a little further at each frame, as a drag moves it.
        shift = shift > 1 ? 0 : shift + 0.01;
        chart.frameCentre = quarvel::catalogues::SkyPoint{ngc7000->raDeg + shift, ngc7000->decDeg};
        const auto scene = quarvel::ui::drawings::framingScene(*ngc7000, framing, std::nullopt, 360, 240, {}, nullptr, chart);
        drawn = scene.neighbours.size();
        QPainter painter(&canvas);
        painter.scale(2, 2);
        quarvel::ui::qt::paintFraming(painter, scene, QImage());
    }
    state.counters["objects_drawn"] = static_cast<double>(drawn);
}
BENCHMARK(BM_ChartRedraw)->Unit(benchmark::kMillisecond);

// One frame of the chart with its stars, at twice the page's size: 60°
// across Cygnus's Milky Way with every catalogue object (argument 60), or
// 1° about the Pleiades with every star of the file (argument 1).
void BM_StarChartRedraw(benchmark::State& state) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QFile file(QUARVEL_SOURCE_DIR "/data/objects/objects.csv");
    QFile starFile(QUARVEL_SOURCE_DIR "/data/stars/stars.bin");
    if (!file.open(QIODevice::ReadOnly) || !starFile.open(QIODevice::ReadOnly)) state.SkipWithError("no data");
    const QByteArray bytes = file.readAll(), starBytes = starFile.readAll();
    const auto read = quarvel::catalogues::readObjects(
        "objects.csv", std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    const auto stars = quarvel::catalogues::StarCatalogue::read(
        std::string_view(starBytes.constData(), static_cast<std::size_t>(starBytes.size())));
    if (!stars) state.SkipWithError("no stars");
    const bool wide = state.range(0) == 60;
    const quarvel::catalogues::DeepSkyObject* object = nullptr;
    for (const auto& row : read.rows) {
        if (wide ? row.ngc == "NGC 7000" : row.m == "M 45") object = &row;
    }
    if (!object) state.SkipWithError("no object");
    // A frame whose scale shows 60° or 1° across the page's 360 pixels.
    const double across = wide ? 3540 : 59;
    quarvel::catalogues::Framing framing{{across, across * 2 / 3}, 0, 1, 1, 10};
    quarvel::ui::drawings::ChartOptions chart;
    chart.catalogue = &read.rows;
    chart.stars = &*stars;
    QImage canvas(720, 480, QImage::Format_RGB32);
    std::size_t drawn = 0;
    for (auto _ : state) {
        const auto scene = quarvel::ui::drawings::framingScene(*object, framing, std::nullopt, 360, 240, {}, nullptr, chart);
        drawn = scene.stars.size();
        QPainter painter(&canvas);
        painter.scale(2, 2);
        quarvel::ui::qt::paintFraming(painter, scene, QImage());
    }
    state.counters["stars_drawn"] = static_cast<double>(drawn);
}
BENCHMARK(BM_StarChartRedraw)->Arg(60)->Arg(1)->Unit(benchmark::kMillisecond);

// The chart's first showing with its stars, in a program just started:
// from the Enter that frames M 45 to the chart painted at the page's size,
// the catalogue and the star file read then.
void BM_FirstChartWithStars(benchmark::State& state) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QImage canvas(360, 240, QImage::Format_RGB32);
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        quarvel::ui::form::RecordingReporter reporter;
        NoDialogs host;
        quarvel::ui::Program program(reporter, host,
                                     {(dir.path() + "/Quarvel.ini").toStdString(), {}, {}, {}, {QUARVEL_SOURCE_DIR}, {}, {}, {}});
        auto& f = program.mainForm;
        f.start();
        f.userClicks(f.about.bbRun);
        f.userSwitches(f.TabbedNotebook1, quarvel::ui::indexOf(quarvel::ui::Page::ChampPhoto));
        f.userTypes(f.photo.eObjet, "M 45");
        state.ResumeTiming();
        f.userPressesEnter(f.photo.eObjet);
        QPainter painter(&canvas);
        quarvel::ui::qt::paintFraming(painter, f.photo.vueObjet.scene(), QImage());
        state.PauseTiming();
        const bool drawn = !f.photo.vueObjet.scene().stars.empty() && reporter.messages.empty();
        state.ResumeTiming();
        if (!drawn) {
            state.SkipWithError("no stars drawn");
            break;
        }
    }
}
BENCHMARK(BM_FirstChartWithStars)->Iterations(10)->Unit(benchmark::kMillisecond);

// Tonight's targets: the whole catalogue judged for a night from Paris (its
// night's frame made first), then the list filtered again as a filter changes.
const std::vector<quarvel::catalogues::DeepSkyObject>& shippedObjects() {
    static const auto rows = [] {
        QFile file(QUARVEL_SOURCE_DIR "/data/objects/objects.csv");
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        return quarvel::catalogues::readObjects("objects.csv",
                                                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))
            .rows;
    }();
    return rows;
}

void BM_TonightsTargetsRanked(benchmark::State& state) {
    const auto& objects = shippedObjects();
    const quarvel::night::Site paris{"Paris", 48.85, 2.35, 60};
    for (auto _ : state) {
        const quarvel::night::ManyTargets night(paris, quarvel::night::siteNoon(paris, 2026, 12, 9), 30);
        benchmark::DoNotOptimize(quarvel::ui::judgeTargets(objects, {201.9, 135.0}, night));
    }
    state.counters["objects"] = static_cast<double>(objects.size());
}
BENCHMARK(BM_TonightsTargetsRanked)->Unit(benchmark::kMillisecond);

void BM_TonightsTargetsRefiltered(benchmark::State& state) {
    const auto& objects = shippedObjects();
    const quarvel::night::Site paris{"Paris", 48.85, 2.35, 60};
    const quarvel::night::ManyTargets night(paris, quarvel::night::siteNoon(paris, 2026, 12, 9), 30);
    const auto all = quarvel::ui::judgeTargets(objects, {201.9, 135.0}, night);
    quarvel::ui::TargetFilters filters;
    std::size_t kept = 0;
    for (auto _ : state) {
        filters.leastHours = filters.leastHours == 1 ? 2 : 1;
        kept = quarvel::ui::keptTargets(all, objects, filters).size();
    }
    state.counters["kept"] = static_cast<double>(kept);
}
BENCHMARK(BM_TonightsTargetsRefiltered)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_DiameterKeystrokeWidget)->Arg(0)->Arg(3)->Unit(benchmark::kMicrosecond);

// A page's first showing, from the click that opens it to its first paint,
// in a program just started and launched: page `state.range(0)` in the order
// of the tabs. The first page is opened by "Lancer le programme"; "A propos"
// is shown at start, and so measured with start-up.
void BM_PageFirstShow(benchmark::State& state) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int page = static_cast<int>(state.range(0));
    state.SetLabel(std::string(quarvel::ui::kPageCaptions[static_cast<std::size_t>(page)]));
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        auto started = quarvel::ui::startQuarvel((dir.path() + "/Quarvel.ini").toStdString());
        QWidget* window = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "fUtil") window = w;
        }
        auto* notebook = window->findChild<QTabWidget*>("TabbedNotebook1");
        window->repaint();
        auto* run = window->findChild<QWidget*>("bbRun");
        if (page != 0) {
            QTest::mouseClick(run, Qt::LeftButton);
            window->repaint();
        }
        state.ResumeTiming();
        if (page == 0) {
            QTest::mouseClick(run, Qt::LeftButton);
        } else {
            notebook->setCurrentIndex(page);
        }
        window->repaint();
        state.PauseTiming();
        if (notebook->currentIndex() != page) state.SkipWithError("the page is not shown");
        started = {};
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PageFirstShow)->DenseRange(0, 7)->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace
