// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/startup.h"

#include <QApplication>
#include <QPushButton>

#include "ui/qt/main_window.h"

namespace quarvel::ui {

class Application {
public:
    Application() {
        QApplication::setApplicationName(QStringLiteral("Quarvel"));
        m_mainWindow.show();
        QObject::connect(m_mainWindow.findChild<QPushButton*>("bbQuit"), &QPushButton::clicked, &m_mainWindow,
                         &QWidget::close);
    }

private:
    qt::MainWindow m_mainWindow;
};

StartedProgram::StartedProgram() = default;
StartedProgram::~StartedProgram() = default;
StartedProgram::StartedProgram(StartedProgram&&) noexcept = default;

StartedProgram startQuarvel() {
    StartedProgram started;
    started.application = std::make_unique<Application>();
    return started;
}

}  // namespace quarvel::ui
