// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QTabWidget;

namespace quarvel::ui::qt {

// The main window "Quarvel": the eight-page notebook and the bottom buttons.
class MainWindow : public QWidget {
public:
    explicit MainWindow(QWidget* parent = nullptr);
    QTabWidget* notebook() const { return m_notebook; }

private:
    QTabWidget* m_notebook;
};

}  // namespace quarvel::ui::qt
