// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "ui/startup.h"

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsOnTheAboutPageWithEightCaptionedTabs() {
        auto started = quarvel::ui::startQuarvel();
        QWidget* window = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "fUtil") window = w;
        }
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->windowTitle(), QString("Quarvel"));
        QCOMPARE(window->width(), 590);
        auto* notebook = window->findChild<QTabWidget*>("TabbedNotebook1");
        QVERIFY(notebook);
        const QStringList expected{"Paramètrage", "Dessin capteur", "Calculs", "Imagerie",
                                   "Dessin planète", "Champ photo", "Aide", "A propos"};
        QCOMPARE(notebook->count(), expected.size());
        for (int i = 0; i < notebook->count(); ++i) QCOMPARE(notebook->tabText(i), expected[i]);
        QCOMPARE(notebook->currentIndex(), 7);
        for (const char* name : {"bbRAZ", "bbChargeConfig", "bbSauveConfig"}) {
            auto* button = window->findChild<QPushButton*>(name);
            QVERIFY(button);
            QVERIFY(!button->isEnabled());
        }
        auto* quit = window->findChild<QPushButton*>("bbQuit");
        QVERIFY(quit && quit->isEnabled());
        QCOMPARE(quit->text(), QString("Quitter"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_qttest.moc"
