// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/main_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <array>

namespace quarvel::ui::qt {

namespace {

struct Page {
    const char* caption;
    const char* objectName;
};

constexpr std::array<Page, 8> kPages{{
    {"Paramètrage", "tsParametrage"},
    {"Dessin capteur", "tsDessinCapteur"},
    {"Calculs", "tsCalculs"},
    {"Imagerie", "tsImagerie"},
    {"Dessin planète", "tsDessinPlanete"},
    {"Champ photo", "tsChampPhoto"},
    {"Aide", "tsAide"},
    {"A propos", "tsAPropos"},
}};

struct Button {
    const char* caption;
    const char* objectName;
    bool enabled;
};

constexpr std::array<Button, 4> kButtons{{
    {"Effacer champs", "bbRAZ", false},
    {"Charge config", "bbChargeConfig", false},
    {"Sauve config", "bbSauveConfig", false},
    {"Quitter", "bbQuit", true},
}};

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent), m_notebook(new QTabWidget(this)) {
    setObjectName("fUtil");
    setWindowTitle(QStringLiteral("Quarvel"));
    m_notebook->setObjectName("TabbedNotebook1");
    for (const auto& page : kPages) {
        auto* widget = new QWidget(m_notebook);
        widget->setObjectName(page.objectName);
        m_notebook->addTab(widget, QString::fromUtf8(page.caption));
    }
    m_notebook->setCurrentIndex(7);

    auto* buttons = new QHBoxLayout;
    for (const auto& b : kButtons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(b.objectName);
        button->setEnabled(b.enabled);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_notebook);
    layout->addLayout(buttons);
    setFixedSize(590, 520);
}

}  // namespace quarvel::ui::qt
