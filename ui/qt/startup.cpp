// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/startup.h"

#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cmath>
#include <csignal>
#include <cstdlib>
#include <functional>

#include "config/settings.h"
#include "image/process.h"
#include "ui/drawing_pages.h"
#include "ui/program.h"
#include "ui/qt/about_view.h"
#include "ui/qt/dialog_views.h"
#include "ui/qt/main_window.h"
#include "ui/qt/glyphs.h"
#include "ui/qt/night.h"
#include "ui/qt/translation.h"

namespace quarvel::ui {

namespace {

// Runs `then` from the event loop once the widget's window has been exposed,
// and so painted, for the first time.
void afterFirstPaint(QWidget* widget, std::function<void()> then) {
    struct Watch : QObject {
        explicit Watch(std::function<void()> f) : then(std::move(f)) {}
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
                QTimer::singleShot(0, watched, then);
                deleteLater();
            }
            return false;
        }
        std::function<void()> then;
    };
    widget->winId();
    auto* watch = new Watch(std::move(then));
    watch->setParent(widget->windowHandle());
    widget->windowHandle()->installEventFilter(watch);
}

}  // namespace

class Application {
public:
    Application(const std::string& configPath, const std::vector<std::string>& dataFolders)
        : m_program(m_reporter, m_host,
                    Environment{configPath,
                                [] {
                                    const QDate today = QDate::currentDate();
                                    return form::CalendarDate{today.year(), today.month(), today.day()};
                                },
                                qt::openMailUrl, [this] { m_window->close(); }, dataFolders,
                                equipmentFolder(dataFolders),
                                // The desktop's time zone, as its clock shows it.
                                [](double jdUtc) {
                                    const auto ms = static_cast<qint64>(std::llround((jdUtc - 2440587.5) * 86400000.0));
                                    return QDateTime::fromMSecsSinceEpoch(ms).offsetFromUtc() / 60;
                                },
                                {}}) {
        // A file-size limit or a full disk makes a save fail with its
        // message, instead of killing the program half-way through.
        std::signal(SIGXFSZ, SIG_IGN);
        QApplication::setApplicationName("Quarvel");
        // Docks match the window to its launcher: the desktop entry's name
        // on Wayland, its StartupWMClass on X.
        QGuiApplication::setDesktopFileName("org.example.Quarvel");
        qt::useNightStyle();
        // No display name: X window managers would get "Quitter — Quarvel"
        // for the dialog captioned "Quitter".
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        qt::installTranslation();
        // The windows' state first, then the views that show it.
        const std::vector<core::Message> failures = m_program.mainForm.start();
        m_window = std::make_unique<qt::MainWindow>(m_program.mainForm);
        qt::buildDialogs(m_program, m_host, m_window.get());
        qt::setNightMode(m_program.mainForm.bModeNuit.checked());
        centre();
        m_window->show();
        // The icon's pictures are decoded once the window is on screen: the
        // dock can wait for them, the user should not.
        // So are the solver's folders that a run killed while it solved left.
        afterFirstPaint(m_window.get(), [] {
            QApplication::setWindowIcon(qt::programIcon());
            image::removeLeftSolverFolders();
        });
        // Failures met while starting are shown once the window is up.
        if (!failures.empty()) {
            QTimer::singleShot(0, m_window.get(), [this, failures] {
                for (const auto& message : failures) m_reporter.report(message);
            });
        }
    }

private:
    // The shipped equipment: where it is found, else where it should have
    // been, so that its absence is said.
    static std::string equipmentFolder(const std::vector<std::string>& dataFolders) {
        const std::string found = findData(dataFolders, "equipment");
        return found.empty() && !dataFolders.empty() ? dataFolders.front() + "/equipment" : found;
    }

    void centre() {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = m_window->frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            m_window->move(frame.topLeft());
        }
    }

    qt::QtErrorReporter m_reporter;
    qt::QtModalHost m_host;
    Program m_program;
    std::unique_ptr<qt::MainWindow> m_window;
};

StartedProgram::StartedProgram() = default;
StartedProgram::~StartedProgram() = default;
StartedProgram::StartedProgram(StartedProgram&&) noexcept = default;
StartedProgram& StartedProgram::operator=(StartedProgram&&) noexcept = default;

StartedProgram startQuarvel() {
    return startQuarvel(config::configPathFor(QCoreApplication::applicationFilePath().toStdString(),
                                              std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")));
}

StartedProgram startQuarvel(const std::string& configPath, std::vector<std::string> dataFolders) {
    if (dataFolders.empty()) dataFolders = dataFoldersOf(QCoreApplication::applicationDirPath().toStdString());
    StartedProgram started;
    started.application = std::make_unique<Application>(configPath, dataFolders);
    return started;
}

}  // namespace quarvel::ui
