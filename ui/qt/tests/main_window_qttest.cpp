// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCalendarWidget>
#include <QAbstractButton>
#include <QPalette>

#include <cmath>
#include <csignal>
#include <ctime>
#include <QClipboard>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QComboBox>
#include <QDir>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

#include "core/errors.h"
#include "ui/messages.h"
#include "ui/comparer_page.h"
#include "image/solve.h"
#include "sky/projection.h"
#include "ui/names.h"
#include "ui/qt/translation.h"
#include "ui/startup.h"

// Drives the real widgets on the offscreen platform. A modal window that
// opens is handed to the test's handler; one nobody expects fails the test
// instead of hanging it.
class MainWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QTemporaryDir m_home;
    std::string m_dataFolder = QUARVEL_BUILD_DIR;
    quarvel::ui::StartedProgram m_program;
    QWidget* m_window = nullptr;

    template <typename T>
    T* child(const char* name) {
        T* widget = m_window->findChild<T*>(name);
        if (!widget) qFatal("no widget %s", name);
        return widget;
    }

    // Runs `action`, which must open no error box nor any other modal window:
    // one that opens is closed and fails the test.
    void withoutBox(const std::function<void()>& action) {
        QString opened;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                opened = box ? box->text() : modal->objectName();
                modal->close();
            }
        });
        poll.start(20);
        action();
        QApplication::processEvents();
        QVERIFY2(opened.isEmpty(), qPrintable(opened));
    }

    // The error box that `action` opens says `text`.
    void expectBox(const std::function<void()>& action, const QString& text) {
        withModal(action, [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            QCOMPARE(box->text(), text);
            box->accept();
        });
    }

    // The program started on a telescope of that diameter and focal length
    // and a sensor of 6248 x 4176 pixels of 3.76 µm, its Champ photo page shown.
    void framingSetup(const QString& diameter, const QString& focal) {
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        type("eDiam", diameter);
        type("eFocale", focal);
        auto* sensors = child<QComboBox>("cbCapteurs");
        sensors->setCurrentIndex(quarvel::ui::kManualRow);
        sensors->activated(quarvel::ui::kManualRow);
        type("eNbPixelsX", "6248");
        type("eNbPixelsY", "4176");
        type("eTaillePixelsX", "3.76");
        child<QTabWidget>("TabbedNotebook1")->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::ChampPhoto));
    }

    // Runs `action`, which opens a modal window, and `onModal` on that window.
    void withModal(const std::function<void()>& action, const std::function<void(QWidget*)>& onModal) {
        bool seen = false;
        // Polled, so that a busy machine's slower dialog is waited for.
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible() || seen) return;
            seen = true;
            poll.stop();
            onModal(modal);
        });
        poll.start(20);
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, this, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                qWarning("closing an unexpected modal window %s", qPrintable(modal->objectName()));
                modal->close();
            }
        });
        watchdog.start(10000);
        action();
        QVERIFY(seen);
    }

private slots:
    void initTestCase() {
        // The photographs are read from ./images. The file dialog starts in,
        // and keeps its state under, a home of this run's own, so that runs
        // side by side do not share it.
        QDir::setCurrent(QUARVEL_SOURCE_DIR);
        qputenv("HOME", m_home.path().toLocal8Bit());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_home.path() + "/.config");
        // The desktop's clock on UTC, whatever this machine's zone.
        qputenv("TZ", "UTC");
        tzset();
    }

    void init() { restart(); }

    // Quits the running program, if any, and starts it again on the same file.
    void restart() { restartIn(m_dir.path()); }

    void restartIn(const QString& folder) {
        m_program = {};
        m_program = quarvel::ui::startQuarvel((folder + "/Quarvel.ini").toStdString(), {m_dataFolder});
        m_window = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "fUtil") m_window = w;
        }
        QVERIFY(m_window);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        // The window has the keyboard, as a program just started has.
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }

    void cleanup() {
        m_program = {};
        QFile::remove(m_dir.path() + "/Quarvel.ini");
        QFile::remove(m_dir.path() + "/Quarvel-equipements.ini");
        m_dataFolder = QUARVEL_BUILD_DIR;
    }

    // The rows of a shipped file of the data the tests give the program.
    int dataRows(const char* file) {
        QFile csv(QString::fromStdString(m_dataFolder) + "/" + file);
        if (!csv.open(QIODevice::ReadOnly)) qFatal("no %s", file);
        int rows = -1;  // the header
        for (const QByteArray& line : csv.readAll().split('\n')) rows += line.trimmed().isEmpty() ? 0 : 1;
        return rows;
    }

    // Into the field, as the user goes there, then the text over what it held.
    void type(const char* field, const QString& text) {
        auto* edit = child<QLineEdit>(field);
        if (!edit->window()->isActiveWindow()) {
            edit->window()->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(edit->window()));
        }
        edit->setFocus(Qt::TabFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    // Texts show whole, and no two visible texts or fields among siblings overlap.
    void checkFits(QWidget* root, const QString& where) {
        const auto shown = [root](QWidget* w) { return w->isVisibleTo(root) && w->width() > 0; };
        QList<QWidget*> items;
        for (QWidget* w : root->findChildren<QWidget*>()) {
            if (!shown(w)) continue;
            auto* label = qobject_cast<QLabel*>(w);
            const bool text = (label && !label->text().isEmpty() && label->pixmap().isNull() && !label->wordWrap()) ||
                              qobject_cast<QAbstractButton*>(w);
            if (text) {
                QVERIFY2(w->width() >= w->sizeHint().width() && w->height() >= w->minimumSizeHint().height(),
                         qPrintable(where + ": " + w->objectName() + " " + (label ? label->text() : QString()) +
                                    QString(" %1 < %2").arg(w->width()).arg(w->sizeHint().width())));
            }
            if (auto* field = qobject_cast<QLineEdit*>(w); field && !field->text().isEmpty()) {
                QVERIFY2(field->fontMetrics().horizontalAdvance(field->text()) + 6 <= field->width(),
                         qPrintable(where + ": " + field->objectName() + " " + field->text()));
            }
            if (text || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)) items << w;
        }
        for (int i = 0; i < items.size(); ++i) {
            for (int j = i + 1; j < items.size(); ++j) {
                QWidget* a = items[i];
                QWidget* b = items[j];
                if (a->parentWidget() != b->parentWidget() || a->isAncestorOf(b) || b->isAncestorOf(a)) continue;
                QVERIFY2(!a->geometry().intersects(b->geometry()),
                         qPrintable(where + ": " + a->objectName() + " over " + b->objectName()));
            }
        }
    }

    QStringList sensorTexts() {
        QStringList out;
        for (const char* name : {"eNbPixelsX", "eNbPixelsY", "eTaillePixelsX", "eTaillePixelsY", "eNomCamera"}) {
            out << child<QLineEdit>(name)->text();
        }
        return out;
    }

    // A saved hand-entered sensor survives a cancelled list, instrument edits
    // and a restart; a typed focal length behind a reducer is what is saved.
    void aSavedSensorAndATypedFocalLengthSurviveARestart() {
        QFile file(m_dir.path() + "/Quarvel.ini");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[parametres]\r\nBarlow=0.5 x\r\nCapteur=Inconnu\r\nCam\xE9ra=Ma cam\xE9ra\r\nCapteurX=1000\r\n"
                   "CapteurY=800\r\nCapteurPxX=5\r\nCapteurPxY=6\r\nPixelCarr\xE9=1\r\n");
        file.close();
        restart();
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        const QStringList saved{"1000", "800", "5", "6", "Ma caméra"};
        QCOMPARE(sensorTexts(), saved);
        withModal([&] { QTest::mouseClick(child<QPushButton>("bbCameras"), Qt::LeftButton); },
                  [](QWidget* modal) { QTest::keyClick(modal->findChild<QListWidget*>("lbCameras"), Qt::Key_Escape); });
        QCOMPARE(sensorTexts(), saved);
        QVERIFY(child<QRadioButton>("rbPixelCNon")->isChecked());
        type("eDiam", "200");
        type("eFocale", "1000");
        QCOMPARE(sensorTexts(), saved);
        QCOMPARE(child<QLineEdit>("eEchant")->text(), QString("1.03"));
        child<QTabWidget>("TabbedNotebook1")->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::DessinCapteur));
        QCOMPARE(child<QLabel>("labTailleMMCapt")->text(), QString("5 x 4.8 mm"));
        child<QTabWidget>("TabbedNotebook1")->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::Parametrage));
        QTest::mouseClick(child<QPushButton>("bbSauveConfig"), Qt::LeftButton);
        restart();
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        QCOMPARE(child<QLineEdit>("eDiam")->text(), QString("200"));
        QCOMPARE(child<QLineEdit>("eFocale")->text(), QString("1000"));
        QCOMPARE(sensorTexts(), saved);
    }

    // An evening's work on a French desktop: a real aperture typed with a
    // decimal comma, a sensor typed by hand, the list dialogs left without a
    // choice in every way and by their shortcut keys, a telescope and a camera
    // added with the numbers shown, then quit with saving and start again.
    void typedWorkSurvivesListsAddsAndARestart() {
        using quarvel::ui::qt::tt;
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        auto* sensors = child<QComboBox>("cbCapteurs");
        // No file yet: the default sensor, which no list offers, is the saved data's.
        QCOMPARE(sensors->currentText(), tt(std::string("Données sauvegardées")));
        QVERIFY(!child<QLineEdit>("eNbPixelsX")->isEnabled());
        type("eDiam", "203,2");
        type("eFocale", "2032");
        QCOMPARE(child<QLineEdit>("eFD")->text(), QString("10.00"));
        sensors->setFocus();
        QTest::keyClick(sensors, 's');
        QCOMPARE(sensors->currentIndex(), 0);
        type("eNbPixelsX", "1936");
        type("eNbPixelsY", "1096");
        type("eTaillePixelsX", "2,9");
        const QStringList typed{"1936", "1096", "2.9", "2.9", "Inconnu"};
        const auto asTyped = [&] {
            QCOMPARE(sensorTexts(), typed);
            QCOMPARE(sensors->currentIndex(), 0);
            QVERIFY(child<QLineEdit>("eNbPixelsX")->isEnabled());
            QVERIFY(!child<QLineEdit>("eTaillePixelsY")->isEnabled());
            QVERIFY(child<QRadioButton>("rbPixelCOui")->isChecked());
            QCOMPARE(child<QLineEdit>("eDiam")->text(), QString("203.2"));
            QCOMPARE(child<QLineEdit>("eEchant")->text(), QString("0.29"));
        };
        asTyped();
        const std::function<void()> openings[] = {
            [&] { sensors->activated(quarvel::ui::kCameraListRow); },
            [&] { QTest::mouseClick(child<QPushButton>("bbAPN"), Qt::LeftButton); },
            [&] { QTest::keyClick(sensors, 'c'); },
            [&] { QTest::keyClick(sensors, 'P'); },
        };
        const std::function<void(QWidget*)> leavings[] = {
            [](QWidget* d) { QTest::keyClick(d->findChild<QListWidget*>(), Qt::Key_Escape); },
            [](QWidget* d) { QTest::mouseClick(d->findChild<QPushButton*>("bbCancelAPN"), Qt::LeftButton); },
            [](QWidget* d) {
                QCOMPARE(d->findChild<QListWidget*>()->currentRow(), 0);  // the shortcut's first row
                d->close();                                              // the close box
            },
            [](QWidget* d) {
                QCOMPARE(d->objectName(), QString("fAPN"));
                QTest::keyClick(d->findChild<QListWidget*>(), Qt::Key_Escape);
            },
        };
        for (int i = 0; i < 4; ++i) {
            withModal(openings[i], leavings[i]);
            asTyped();
        }
        // "Ajouter…" shows what it adds, and adding changes nothing here.
        withModal([&] { QTest::mouseClick(child<QPushButton>("bbTelescopes"), Qt::LeftButton); }, [&](QWidget* d) {
            withModal([&] { QTest::mouseClick(d->findChild<QPushButton*>("bbAjouterTel"), Qt::LeftButton); },
                      [](QWidget* add) {
                          QCOMPARE(add->findChild<QLineEdit*>("eDiamEquipement")->text(), QString("203.2"));
                          QCOMPARE(add->findChild<QLineEdit*>("eFocaleEquipement")->text(), QString("2032"));
                          QVERIFY(!add->findChild<QLineEdit*>("eNbPixelsXEquipement")->isVisible());
                          QTest::keyClicks(add->findChild<QLineEdit*>("eNomEquipement"), "Mon 250");
                          for (const auto& [name, text] : {std::pair{"eDiamEquipement", "250"}, {"eFocaleEquipement", "1200"}}) {
                              QTest::mouseClick(add->findChild<QLineEdit*>(name), Qt::LeftButton);
                              add->findChild<QLineEdit*>(name)->selectAll();
                              QTest::keyClicks(add->findChild<QLineEdit*>(name), text);
                          }
                          QTest::keyClick(add->findChild<QLineEdit*>("eNomEquipement"), Qt::Key_Return);
                      });
            QCOMPARE(d->findChild<QListWidget*>()->currentItem()->text(), QString("★ Mon 250"));
            QTest::keyClick(d->findChild<QListWidget*>(), Qt::Key_Escape);
        });
        asTyped();
        withModal([&] { QTest::mouseClick(child<QPushButton>("bbCameras"), Qt::LeftButton); }, [&](QWidget* d) {
            withModal([&] { QTest::mouseClick(d->findChild<QPushButton*>("bbAjouterCam"), Qt::LeftButton); },
                      [&](QWidget* add) {
                          QStringList shown;
                          for (const char* name : {"eNbPixelsXEquipement", "eNbPixelsYEquipement",
                                                   "eTaillePixelsXEquipement", "eTaillePixelsYEquipement"}) {
                              shown << add->findChild<QLineEdit*>(name)->text();
                          }
                          QCOMPARE(shown, typed.mid(0, 4));
                          // The name has the keyboard, whatever had it the last time.
                          QTRY_COMPARE(QApplication::focusWidget(), add->findChild<QLineEdit*>("eNomEquipement"));
                          QTest::keyClicks(QApplication::focusWidget(), "Ma 462");
                          auto* across = add->findChild<QLineEdit*>("eNbPixelsXEquipement");
                          across->selectAll();
                          QTest::keyClicks(across, "x");
                          // A bad number is said, and the dialog stays open to mend it.
                          withModal([&] { QTest::mouseClick(add->findChild<QPushButton*>("bbNomOK"), Qt::LeftButton); },
                                    [](QWidget* box) {
                                        QCOMPARE(qobject_cast<QMessageBox*>(box)->text(),
                                                 tt(std::string("'x' n'est pas une valeur entière correcte.")));
                                        qobject_cast<QMessageBox*>(box)->accept();
                                    });
                          QVERIFY(add->isVisible());
                          across->selectAll();
                          QTest::keyClicks(across, "1936");
                          QTest::mouseClick(add->findChild<QPushButton*>("bbNomOK"), Qt::LeftButton);
                      });
            QCOMPARE(d->findChild<QListWidget*>()->currentItem()->text(), QString("★ Ma 462"));
            QTest::keyClick(d->findChild<QListWidget*>(), Qt::Key_Escape);
        });
        asTyped();
        // A setup kept, and names the file could not keep apart or hold, refused as typed.
        const auto keepSetup = [&](const QStringList& names, const QStringList& refusals) {
            withModal([&] { QTest::mouseClick(child<QPushButton>("bbMontage"), Qt::LeftButton); }, [&](QWidget* d) {
                auto* name = d->findChild<QLineEdit*>("eNomEquipement");
                for (int i = 0; i < names.size(); ++i) {
                    name->selectAll();
                    // As a keyboard types them, letters beyond ASCII too.
                    for (const QChar c : names[i]) QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, c, {});
                    if (i < refusals.size()) {
                        expectBox([&] { QTest::mouseClick(d->findChild<QPushButton*>("bbNomOK"), Qt::LeftButton); },
                                  tt(std::string("Équipement ignoré : %1")).arg(refusals[i]) + ".");
                    } else {
                        QTest::mouseClick(d->findChild<QPushButton*>("bbNomOK"), Qt::LeftButton);
                    }
                }
                if (names.size() == refusals.size()) QTest::keyClick(d, Qt::Key_Escape);
            });
        };
        keepSetup({"C8"}, {});
        QTest::mouseClick(child<QGroupBox>("rgFiltre")->findChildren<QRadioButton*>().at(1), Qt::LeftButton);
        keepSetup({"c8", "Sony α7"}, {tt(std::string("« %1 » : nom déjà dans les listes")).arg("c8"),
                                      tt(std::string("« %1 » : caractères que le fichier ne peut pas enregistrer : %2"))
                                          .arg("Sony α7", "α")});
        // A click into the diameter, then the setup picked: it keeps its telescope's name.
        QTest::mouseClick(child<QLineEdit>("eDiam"), Qt::LeftButton);
        auto* setups = child<QComboBox>("cbMontages");
        QCOMPARE(setups->count(), 1);
        setups->activated(0);
        asTyped();
        QVERIFY(!child<QPushButton>("bRetablir")->isEnabled());  // nothing of the click is left to restore

        // Typing is never taken by a box halfway through a number: a seeing
        // with a decimal comma, remembered once left; a negative rotation; a
        // mosaic out of its range, said with it, while the overlap takes keys.
        auto* notebook = child<QTabWidget>("TabbedNotebook1");
        notebook->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::Imagerie));
        QTest::mouseClick(child<QGroupBox>("rgPlaCP")->findChildren<QRadioButton*>().at(1), Qt::LeftButton);
        QFile preferences(m_dir.path() + "/Quarvel.ini");
        const auto remembered = [&] {
            if (!preferences.open(QIODevice::ReadOnly)) return QByteArray();
            const QByteArray bytes = preferences.readAll();
            preferences.close();
            return bytes;
        };
        withoutBox([&] { type("eFWHM", "0,8"); });
        QCOMPARE(child<QLineEdit>("eFWHM")->text(), QString("0.8"));
        QVERIFY(!remembered().contains("FWHM"));
        withoutBox([&] { QTest::keyClick(child<QLineEdit>("eFWHM"), Qt::Key_Tab); });
        QVERIFY(remembered().contains("FWHM=0.8\r\n"));
        notebook->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::ChampPhoto));
        withoutBox([&] {
            type("eObjet", "M 31");
            QTest::keyClick(QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                              : child<QWidget>("eObjet"), Qt::Key_Return);
            type("eRotation", "-30");
        });
        const QString fit = child<QLabel>("labCadrage")->text();
        expectBox([&] { type("eMosaiqueX", "6"); },
                  tt(std::string("« %1 » : le champ Mosaïque prend un nombre entier de panneaux de 1 à 5")).arg("6") + ".");
        withoutBox([&] {
            type("eRecouvrement", "25");
            type("eMosaiqueX", "2");
        });
        QCOMPARE(child<QLineEdit>("eRecouvrement")->text(), QString("25"));
        QVERIFY2(child<QLabel>("labCadrage")->text() != fit, qPrintable(fit));

        withModal([&] { QTest::mouseClick(child<QPushButton>("bbQuit"), Qt::LeftButton); },
                  [](QWidget* d) { QTest::mouseClick(d->findChild<QPushButton*>("bbQuitOK"), Qt::LeftButton); });
        QVERIFY(!m_window->isVisible());
        const QByteArray saved = remembered();
        QVERIFY(saved.contains("Diam\xE8tre=203.2\r\n"));
        QVERIFY(saved.contains("T\xE9lescope=Takahashi CN-212\r\n"));
        restart();
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        sensors = child<QComboBox>("cbCapteurs");
        asTyped();
        QCOMPARE(child<QLineEdit>("eFocale")->text(), QString("2032"));
        QCOMPARE(child<QComboBox>("cbMontages")->itemText(0), QString("C8"));
        QCOMPARE(child<QComboBox>("cbMontages")->count(), 1);
        child<QTabWidget>("TabbedNotebook1")->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::Imagerie));
        QCOMPARE(child<QLineEdit>("eFWHM")->text(), QString("0.8"));
        QFile equipment(m_dir.path() + "/Quarvel-equipements.ini");
        QVERIFY(equipment.open(QIODevice::ReadOnly));
        const QByteArray rows = equipment.readAll();
        QVERIFY(rows.contains("[T\xE9lescope Mon 250]\r\nDiam\xE8tre=250\r\nFocale=1200\r\n"));
        QVERIFY(rows.contains("LargeurPixels=1936\r\nHauteurPixels=1096\r\nTaillePixelX=2.9\r\n"));
    }

    // Names from the user's file, a shipped file and the add dialog, and a
    // path, are shown exactly as written, in either language: never as markup
    // (an <img> would make Qt read the file it names), never translated, and a
    // "%4" in them stays.
    void namesAreShownAsTheyAreWritten() {
        using quarvel::ui::qt::tt;
        const QString folder = m_dir.path() + "/a%2b";
        QDir().mkpath(folder);
        auto write = [](const QString& path, const QByteArray& bytes) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
        write(folder + "/Quarvel.ini", "[parametres]\r\nT\xE9lescope=Lune\r\n");
        write(folder + "/Quarvel-equipements.ini",
              "[T\xE9lescope <img src=\"/dev/zero\">]\r\nDiam\xE8tre=200\r\nFocale=1000\r\n"
              "[T\xE9lescope Lune]\r\nDiam\xE8tre=100\r\nFocale=900\r\n[T\xE9lescope Dob 100%4]\r\n");
        QTemporaryDir data;
        QDir().mkpath(data.path() + "/equipment");
        for (const char* csv : {"sensors.csv", "cameras.csv", "dslr.csv", "telescopes.csv"}) {
            QFile::copy(QString(QUARVEL_BUILD_DIR "/equipment/") + csv, data.path() + "/equipment/" + csv);
        }
        QFile shipped(data.path() + "/equipment/telescopes.csv");
        QVERIFY(shipped.open(QIODevice::Append));
        shipped.write("Maker,<i>Scope</i>,100,500,refractor,https://example.org\n");
        shipped.close();
        m_dataFolder = data.path().toStdString();
        QElapsedTimer started;
        started.start();
        const QString path = folder + "/Quarvel-equipements.ini";
        withModal([&] { restartIn(folder); }, [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QCOMPARE(box->text(), tt(std::string("Équipement ignoré : %1")).arg(
                                      tt(std::string("%1, ligne %2, [%3] : %4"))
                                          .arg(path, "7", QString::fromUtf8("Télescope Dob 100%4"),
                                               tt(std::string("valeurs %1 absentes ou incorrectes")).arg("Diamètre, Focale"))) +
                                      ".");
            box->accept();
        });
        QVERIFY(started.elapsed() < 2000);
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        auto* notebook = child<QTabWidget>("TabbedNotebook1");
        notebook->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::DessinPlanete));
        auto* telescope = child<QLabel>("labDessinPlaTelescope");
        QCOMPARE(telescope->text(), QString("Lune"));  // a name, not the Moon
        notebook->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::Parametrage));
        for (const QString& name : {QString("★ <img src=\"/dev/zero\">"), QString("Maker <i>Scope</i>")}) {
            withModal([&] { QTest::mouseClick(child<QPushButton>("bbTelescopes"), Qt::LeftButton); },
                      [&](QWidget* d) {
                          auto* list = d->findChild<QListWidget*>("lbTelescopes");
                          list->setCurrentItem(list->findItems(name, Qt::MatchExactly).value(0));
                          QTest::keyClick(list, Qt::Key_Return);
                      });
            notebook->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::DessinPlanete));
            QCOMPARE(telescope->textFormat(), Qt::PlainText);
            QCOMPARE(telescope->text(), QString(name).remove("★ "));
            notebook->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::Parametrage));
        }
        // The same name added twice: the second is refused, the name quoted as typed.
        for (int time = 0; time < 2; ++time) {
            withModal([&] { QTest::mouseClick(child<QPushButton>("bbTelescopes"), Qt::LeftButton); }, [&](QWidget* d) {
                withModal([&] { QTest::mouseClick(d->findChild<QPushButton*>("bbAjouterTel"), Qt::LeftButton); },
                          [&](QWidget* add) {
                              QTest::keyClicks(add->findChild<QLineEdit*>("eNomEquipement"), "<b>x</b>");
                              if (time == 0) {
                                  QTest::mouseClick(add->findChild<QPushButton*>("bbNomOK"), Qt::LeftButton);
                                  return;
                              }
                              withModal([&] { QTest::mouseClick(add->findChild<QPushButton*>("bbNomOK"), Qt::LeftButton); },
                                        [](QWidget* box) {
                                            auto* message = qobject_cast<QMessageBox*>(box);
                                            QCOMPARE(message->textFormat(), Qt::PlainText);
                                            QVERIFY(message->text().contains("<b>x</b>"));
                                            message->accept();
                                        });
                              QTest::keyClick(add, Qt::Key_Escape);
                          });
                QTest::keyClick(d->findChild<QListWidget*>(), Qt::Key_Escape);
            });
        }
    }

    // The keys a desktop user tries first do what the buttons and tabs do,
    // under the same rules: nothing behind the tab mask.
    void keyboardShortcutsDoWhatTheButtonsDo() {
        using quarvel::ui::Page;
        using quarvel::ui::indexOf;
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        auto* notebook = child<QTabWidget>("TabbedNotebook1");
        const QString ini = m_dir.path() + "/Quarvel.ini";
        for (const QKeySequence& keys : {QKeySequence(Qt::Key_F1), QKeySequence(Qt::CTRL | Qt::Key_PageDown),
                                         QKeySequence(Qt::CTRL | Qt::Key_S)}) {
            QTest::keySequence(m_window, keys);
        }
        QCOMPARE(notebook->currentIndex(), quarvel::ui::indexOf(quarvel::ui::Page::APropos));
        QVERIFY(!QFile::exists(ini));
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        QTest::keySequence(m_window, QKeySequence(Qt::Key_F1));
        QCOMPARE(notebook->currentIndex(), indexOf(Page::Aide));
        const std::pair<QKeySequence, Page> steps[] = {
            {QKeySequence(Qt::CTRL | Qt::Key_PageDown), Page::APropos},
            {QKeySequence(Qt::CTRL | Qt::Key_Tab), Page::Parametrage},
            {QKeySequence(Qt::CTRL | Qt::Key_PageUp), Page::APropos},
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), Page::Aide},
            {QKeySequence(Qt::CTRL | Qt::Key_PageDown), Page::APropos},
            {QKeySequence(Qt::CTRL | Qt::Key_PageDown), Page::Parametrage},
        };
        for (const auto& [keys, page] : steps) {
            QTest::keySequence(m_window, keys);
            QCOMPARE(notebook->currentIndex(), indexOf(page));
        }
        // A save says so in the status line, for a moment; the buttons' tooltips give the keys.
        QTest::keySequence(m_window, QKeySequence(Qt::CTRL | Qt::Key_S));
        QVERIFY(QFile::exists(ini));
        QCOMPARE(child<QLabel>("labStatut")->text(),
                 quarvel::ui::qt::tt(std::string("Configuration enregistrée dans %1")).arg(ini));
        QVERIFY(child<QPushButton>("bbSauveConfig")->toolTip().contains("Ctrl+S"));
        QVERIFY(child<QPushButton>("bbQuit")->toolTip().contains("Ctrl+Q"));
        withModal([&] { QTest::keySequence(m_window, QKeySequence(Qt::CTRL | Qt::Key_Q)); },
                  [](QWidget* modal) {
                      QCOMPARE(modal->objectName(), QString("fQuit"));
                      QTest::keyClick(modal, Qt::Key_Escape);
                  });
        QVERIFY(m_window->isVisible());
    }

    // Night mode: every page, every dialog and a message box in red alone (no
    // pixel's green or blue over a tenth of its red), the results legible,
    // and the mode kept across a restart.
    void nightModeIsRedOnBlackEverywhere() {
        const auto redOnly = [](QWidget* widget) {
            const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    if (c.green() * 10 > c.red() || c.blue() * 10 > c.red()) {
                        QFAIL(qPrintable(QString("%1 at %2,%3: %4,%5,%6").arg(widget->objectName()).arg(x).arg(y)
                                             .arg(c.red()).arg(c.green()).arg(c.blue())));
                    }
                }
            }
        };
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        // An object framed by day, its picture red once the night comes.
        child<QTabWidget>("TabbedNotebook1")->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::ChampPhoto));
        child<QLineEdit>("eObjet")->setFocus();
        QTest::keyClicks(child<QLineEdit>("eObjet"), "NGC 7000");
        QWidget* proposals = QApplication::activePopupWidget();
        QTest::keyClick(proposals ? proposals : child<QWidget>("eObjet"), Qt::Key_Return);
        QApplication::processEvents();
        QVERIFY2(child<QWidget>("vueObjet")->isVisible(), qPrintable(child<QLabel>("labCadrage")->text()));
        QTest::mouseClick(child<QPushButton>("bModeNuit"), Qt::LeftButton);
        auto* notebook = child<QTabWidget>("TabbedNotebook1");
        for (int page = 0; page < notebook->count(); ++page) {
            notebook->setCurrentIndex(page);
            QApplication::processEvents();
            redOnly(m_window);
        }
        auto* ratio = child<QLineEdit>("eFD");
        const auto luminance = [](QColor c) { return 0.2126 * std::pow(c.redF(), 2.2) + 0.7152 * std::pow(c.greenF(), 2.2); };
        const double text = luminance(ratio->palette().color(QPalette::Text));
        const double ground = luminance(ratio->palette().color(QPalette::Base));
        QVERIFY((std::max(text, ground) + 0.05) / (std::min(text, ground) + 0.05) >= 4.5);
        // A field shows where to type: its frame is dim red on the black.
        notebook->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::Parametrage));
        const QImage field = child<QLineEdit>("eDiam")->grab().toImage();
        QCOMPARE(field.pixelColor(0, field.height() / 2).rgb(), QColor(120, 0, 0).rgb());
        const auto inDialog = [&](const char* opener, const std::function<void(QWidget*)>& more = {}) {
            withModal([&] { QTest::mouseClick(child<QPushButton>(opener), Qt::LeftButton); }, [&](QWidget* d) {
                redOnly(d);
                if (more) more(d);
                QTest::keyClick(d, Qt::Key_Escape);
            });
        };
        notebook->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::Parametrage));
        inDialog("bbTelescopes", [&](QWidget* d) {
            withModal([&] { QTest::mouseClick(d->findChild<QPushButton*>("bbAjouterTel"), Qt::LeftButton); },
                      [&](QWidget* add) {
                          redOnly(add);
                          QTest::keyClicks(add->findChild<QLineEdit*>("eNomEquipement"), "Mon 200");
                          QTest::mouseClick(add->findChild<QPushButton*>("bbNomOK"), Qt::LeftButton);
                      });
            withModal([&] { QTest::mouseClick(d->findChild<QPushButton*>("bbSupprimerTel"), Qt::LeftButton); },
                      [&](QWidget* confirm) {
                          redOnly(confirm);
                          QTest::keyClick(confirm, Qt::Key_Escape);
                      });
        });
        inDialog("bbCameras");
        inDialog("bbAPN");
        inDialog("bbQuit");
        notebook->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::Imagerie));
        inDialog("bbDate");
        notebook->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::Parametrage));
        child<QComboBox>("cbCapteurs")->activated(quarvel::ui::kManualRow);
        withModal([&] { QTest::keyClicks(child<QLineEdit>("eNbPixelsX"), "x"); }, [&](QWidget* box) {
            redOnly(box);
            qobject_cast<QMessageBox*>(box)->accept();
        });
        restart();
        QVERIFY(child<QPushButton>("bModeNuit")->isChecked());
        redOnly(m_window);
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        notebook = child<QTabWidget>("TabbedNotebook1");
        notebook->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::Imagerie));  // built at night
        QTest::mouseClick(child<QPushButton>("bModeNuit"), Qt::LeftButton);
        QApplication::processEvents();
        const QImage band = child<QLabel>("pTurbuN")->grab().toImage();
        QCOMPARE(band.pixelColor(1, 1).rgb(), QApplication::palette().color(QPalette::Mid).rgb());  // the band is day-grey again
        QFile saved(m_dir.path() + "/Quarvel.ini");
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("[parametres]\r\nModeNuit=0\r\n"));
        QApplication::processEvents();
        QVERIFY(child<QPushButton>("bbQuit")->palette().color(QPalette::Button).lightness() > 128);  // day again
    }

    // Each list dialog narrows to the rows that hold every word typed in its
    // filter, case aside; a row shows its numbers in its tooltip, and the one
    // picked fills the parameter page.
    void listsNarrowToTheWordsTyped() {
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        const auto pick = [&](const char* opener, const char* filterName, const char* words, const QString& row) {
            QString hint;
            withModal([&] { QTest::mouseClick(child<QPushButton>(opener), Qt::LeftButton); }, [&](QWidget* d) {
                auto* list = d->findChild<QListWidget*>();
                QTest::keyClicks(d->findChild<QLineEdit*>(filterName), words);
                QVERIFY(list->count() >= 1 && list->count() <= 3);  // "atik 383" is also "Atik 383L+"
                for (int i = 0; i < list->count(); ++i) {
                    for (const QString& word : QString(words).split(' ')) {
                        QVERIFY(list->item(i)->text().contains(word, Qt::CaseInsensitive));
                    }
                }
                QListWidgetItem* item = list->findItems(row, Qt::MatchExactly).value(0);
                QVERIFY(item);
                hint = item->toolTip();
                QVERIFY(!hint.isEmpty());
                list->setCurrentItem(item);
                QTest::keyClick(list, Qt::Key_Return);
            });
            return hint;
        };
        pick("bbTelescopes", "eFiltreTel", "ASKAR 120", "Askar 120APO");
        QCOMPARE(child<QLineEdit>("eDiam")->text(), QString("120"));
        QCOMPARE(child<QLineEdit>("eFocale")->text(), QString("840"));
        const QString hint = pick("bbCameras", "eFiltreCam", "atik 383", "Atik 383");
        // The hint's numbers are those the page shows: "KAF8300 : 3326 x 2504 pixels de 5.4 µm".
        QVERIFY(hint.contains(child<QLineEdit>("eNbPixelsX")->text() + " x " + child<QLineEdit>("eNbPixelsY")->text()));
        QVERIFY(hint.contains(child<QLineEdit>("eTaillePixelsX")->text() + " "));
        QCOMPARE(child<QLineEdit>("eNomCamera")->text(), QString("Atik 383"));
        // Today's planetary cameras, by their model or words of it.
        const std::tuple<const char*, const char*, QStringList> planetary[] = {
            {"ASI462MC", "ZWO ASI462MC", {"1920", "1080", "2.9"}},
            {"asi 585", "ZWO ASI585MC", {"3856", "2180", "2.9"}},
        };
        for (const auto& [words, row, numbers] : planetary) {
            pick("bbCameras", "eFiltreCam", words, row);
            QCOMPARE(child<QLineEdit>("eNomCamera")->text(), QString(row));
            QCOMPARE((QStringList{child<QLineEdit>("eNbPixelsX")->text(), child<QLineEdit>("eNbPixelsY")->text(),
                                  child<QLineEdit>("eTaillePixelsX")->text()}),
                     numbers);
        }
        // A filter left typed is gone at the next opening.
        withModal([&] { QTest::mouseClick(child<QPushButton>("bbCameras"), Qt::LeftButton); }, [&](QWidget* d) {
            QCOMPARE(d->findChild<QLineEdit*>("eFiltreCam")->text(), QString());
            QVERIFY(d->findChild<QListWidget*>()->count() > 100);
            QTest::keyClick(d->findChild<QListWidget*>(), Qt::Key_Escape);
        });
    }

    void startsMaskedOnTheAboutPage() {
        QCOMPARE(m_window->windowTitle(), QString("Quarvel"));
        // The design's 590 pixels, widened just enough for the row of ten tabs.
        QVERIFY2(m_window->width() >= 590 && m_window->width() <= 640, qPrintable(QString::number(m_window->width())));
        auto* notebook = child<QTabWidget>("TabbedNotebook1");
        const QStringList expected{"Paramètrage", "Dessin capteur", "Calculs", "Imagerie", "Dessin planète",
                                   "Champ photo", "Nuit", "Comparer", "Aide", "A propos"};
        QCOMPARE(notebook->count(), expected.size());
        for (int i = 0; i < notebook->count(); ++i) QCOMPARE(notebook->tabText(i), expected[i]);
        QCOMPARE(notebook->currentIndex(), quarvel::ui::indexOf(quarvel::ui::Page::APropos));
        QVERIFY(child<QWidget>("pMasqueOnglets")->isVisible());
        QVERIFY(!child<QPushButton>("bbSauveConfig")->isEnabled());
        QVERIFY(child<QPushButton>("bbQuit")->isEnabled());
        QCOMPARE(child<QLabel>("labMail")->text(), QString("quarvel@example.org"));
        QVERIFY(!child<QLabel>("imgAPropos")->pixmap().isNull());
        // The text about the licence can be selected, a word by a double click.
        auto* memo = child<QLabel>("memoApropos");
        QTest::mouseDClick(memo, Qt::LeftButton, {}, QPoint(20, memo->height() / 3));
        QVERIFY(memo->hasSelectedText());
        // The program's icon, in its four sizes, once the window is painted.
        QApplication::setWindowIcon(QIcon());
        restart();
        QTRY_COMPARE(QApplication::windowIcon().availableSizes().size(), 4);
        // A file-size limit makes a save fail with its message, not end the program.
        QVERIFY(std::signal(SIGXFSZ, SIG_IGN) == SIG_IGN);
    }

    void launchingShowsTheLoadedConfiguration() {
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        QCOMPARE(child<QTabWidget>("TabbedNotebook1")->currentIndex(), 0);
        QVERIFY(!child<QWidget>("pMasqueOnglets")->isVisible());
        QCOMPARE(child<QLineEdit>("eDiam")->text(), QString("212"));
        QCOMPARE(child<QLineEdit>("eFD")->text(), QString("12.40"));
        QVERIFY(child<QPushButton>("bbSauveConfig")->isEnabled());
    }

    void arrowKeysOnTheTabsWrapAround() {
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        auto* notebook = child<QTabWidget>("TabbedNotebook1");
        notebook->tabBar()->setFocus();
        QTest::keyClick(notebook->tabBar(), Qt::Key_Left);
        QCOMPARE(notebook->currentIndex(), quarvel::ui::kPageCount - 1);
        QTest::keyClick(notebook->tabBar(), Qt::Key_Down);
        QCOMPARE(notebook->currentIndex(), 0);
        QTest::keyClick(notebook->tabBar(), Qt::Key_Right);
        QCOMPARE(notebook->currentIndex(), 1);
        QVERIFY(!child<QPushButton>("bbSauveConfig")->isEnabled());
    }

    void typingAndPickingReachTheForm() {
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        auto* sensors = child<QComboBox>("cbCapteurs");
        sensors->activated(14);
        QCOMPARE(sensors->currentText(), QString("ICX285"));
        QCOMPARE(child<QLineEdit>("eTaillePixelsX")->text(), QString("6.45"));
        auto* diameter = child<QLineEdit>("eDiam");
        diameter->selectAll();
        QTest::keyClicks(diameter, "200");
        QCOMPARE(diameter->text(), QString("200"));
        QCOMPARE(child<QLineEdit>("eFD")->text(), QString("13.14"));
        QTest::mouseClick(child<QRadioButton>("rbPixelCNon"), Qt::LeftButton);  // disabled: nothing happens
        QVERIFY(!child<QRadioButton>("rbPixelCNon")->isChecked());
    }

    void aBadTextOpensTheErrorBox() {
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        child<QComboBox>("cbCapteurs")->activated(0);
        auto* width = child<QLineEdit>("eNbPixelsX");
        QVERIFY(width->isEnabled());
        withModal([&] { QTest::keyClicks(width, "x"); },
                  [](QWidget* modal) {
                      auto* box = qobject_cast<QMessageBox*>(modal);
                      QVERIFY(box);
                      QCOMPARE(box->windowTitle(), QString("Quarvel"));
                      QCOMPARE(box->icon(), QMessageBox::Critical);
                      QCOMPARE(box->text(), QString("'x' n'est pas une valeur entière correcte."));
                      box->accept();
                  });
        QCOMPARE(width->text(), QString("x"));
    }

    void aModalDialogOpensAndCloses() {
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        withModal([&] { QTest::mouseClick(child<QPushButton>("bbCameras"), Qt::LeftButton); },
                  [this](QWidget* modal) {
                      QCOMPARE(modal->objectName(), QString("fCameras"));
                      QCOMPARE(modal->windowTitle(), QString("Liste de caméras"));
                      QCOMPARE(modal->size(), QSize(444, 528));
                      auto* list = modal->findChild<QListWidget*>("lbCameras");
                      QCOMPARE(list->count(), 161 + dataRows("equipment/cameras.csv"));  // built-in, then shipped
                      list->setCurrentRow(19);
                      QTest::mouseClick(modal->findChild<QPushButton*>("bbOKCam"), Qt::LeftButton);
                  });
        QCOMPARE(child<QLineEdit>("eNomCamera")->text(), QString("Atik 16"));
        QCOMPARE(child<QComboBox>("cbCapteurs")->currentText(), QString("ICX429"));
        QVERIFY(child<QRadioButton>("rbPixelCNon")->isChecked());
    }

    // The drawings stand where their geometry says: Saturn's flat rings on
    // 8 December 2026 behind an ICX285 at 2000 mm run from x 171 to 188, as
    // the box of R = 9 does; the "24 mm" caption stands at its place.
    void drawingsPaintTheirGeometryExactly() {
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        auto* sensors = child<QComboBox>("cbCapteurs");
        const int icx285 = sensors->findText("ICX285");
        sensors->setCurrentIndex(icx285);
        sensors->activated(icx285);
        type("eFocale", "2000");
        auto* notebook = child<QTabWidget>("TabbedNotebook1");
        notebook->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::Imagerie));
        withModal([&] { QTest::mouseClick(child<QPushButton>("bbDate"), Qt::LeftButton); }, [](QWidget* d) {
            d->findChild<QCalendarWidget*>("MonthCalendar1")->setSelectedDate(QDate(2026, 12, 8));
            QTest::mouseClick(d->findChild<QPushButton*>("bbDateOK"), Qt::LeftButton);
        });
        QTest::mouseClick(child<QGroupBox>("rgPlanetes")->findChildren<QRadioButton*>().at(quarvel::ui::rowOf(quarvel::ephem::Body::Saturn)), Qt::LeftButton);
        notebook->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::DessinPlanete));
        const QImage drawing = child<QWidget>("pbDessinPla")->grab().toImage();
        int left = drawing.width(), right = -1;
        for (int y = 0; y < drawing.height(); ++y) {
            for (int x = 0; x < drawing.width(); ++x) {
                if (drawing.pixelColor(x, y) != QColor(128, 0, 0)) continue;
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        QCOMPARE(left, 171);
        QCOMPARE(right, 188);
        notebook->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::DessinCapteur));
        QCOMPARE(child<QLabel>("labTailleRefV")->pos(), QPoint(44, 248));
    }

    void aMouseClickOnOuiEmptiesTheSeparationResults() {
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        child<QTabWidget>("TabbedNotebook1")->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::Calculs));
        const char* fields[] = {"eObjet1X", "eObjet1Y", "eObjet2X", "eObjet2Y"};
        const char* values[] = {"0", "0", "3", "4"};
        for (int i = 0; i < 4; ++i) QTest::keyClicks(child<QLineEdit>(fields[i]), values[i]);
        QCOMPARE(child<QLineEdit>("eSepPx")->text(), QString("5.00"));
        auto* yes = child<QRadioButton>("rbSepOui");
        QTest::mouseClick(yes, Qt::LeftButton, {}, QPoint(5, yes->height() / 2));
        QVERIFY(yes->isChecked());
        QCOMPARE(child<QLineEdit>("eSepPx")->text(), QString());
        QVERIFY(child<QLineEdit>("eSepManuelle")->isEnabled());
    }

    void everyEditFieldHasItsCaptionAsBuddy() {
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        auto* notebook = child<QTabWidget>("TabbedNotebook1");
        for (int page = 0; page < notebook->count(); ++page) notebook->setCurrentIndex(page);
        QSet<QWidget*> buddies;
        for (QLabel* label : m_window->findChildren<QLabel*>()) buddies.insert(label->buddy());
        for (QLineEdit* edit : m_window->findChildren<QLineEdit*>()) {
            if (edit->parent()->inherits("QComboBox")) continue;
            QVERIFY2(buddies.contains(edit), qPrintable(edit->objectName()));
        }
    }

    // On a fresh X session nothing has been copied: the paste hands no data.
    void pastingNothingOrALongTextIntoTheHelpKeepsItWhole() {
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        child<QTabWidget>("TabbedNotebook1")->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::Aide));
        auto* help = child<QPlainTextEdit>("memoAide");
        const QString before = help->toPlainText();
        QApplication::clipboard()->clear();
        QTest::keyClick(help, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(help->toPlainText(), before);
        QApplication::clipboard()->setText(QString(100000, 'x'));
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(help, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClicks(help, QString(300, 'y'));
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(help->toPlainText().size() < before.size() + 2100);
        auto* diameter = child<QLineEdit>("eDiam");
        child<QTabWidget>("TabbedNotebook1")->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::Parametrage));
        diameter->selectAll();
        withModal([&] { QTest::keyClick(diameter, Qt::Key_V, Qt::ControlModifier); },
                  [](QWidget* modal) {
                      auto* box = qobject_cast<QMessageBox*>(modal);
                      QVERIFY(box);
                      QCOMPARE(box->text(), "'" + QString(29, 'x') + "…" + QString(29, 'x') +
                                                "' n'est pas une valeur en virgule flottante correcte.");
                      box->accept();
                  });
        QCOMPARE(diameter->text().size(), 1000);
        QApplication::clipboard()->clear();
    }

    void theTabMaskHoldsAgainstKeys() {
        auto* notebook = child<QTabWidget>("TabbedNotebook1");
        using Keys = std::pair<Qt::Key, Qt::KeyboardModifiers>;
        for (auto [key, modifiers] : {Keys{Qt::Key_Tab, Qt::ControlModifier},
                                      Keys{Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier},
                                      Keys{Qt::Key_PageDown, Qt::ControlModifier},
                                      Keys{Qt::Key_PageUp, Qt::ControlModifier}}) {
            QTest::keyClick(notebook, key, modifiers);
            QCOMPARE(notebook->currentIndex(), quarvel::ui::indexOf(quarvel::ui::Page::APropos));
        }
    }

    void aRightClickIsNoClickIntoTheField() {
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        auto* diameter = child<QLineEdit>("eDiam");
        QTest::mousePress(diameter, Qt::RightButton);
        QTest::mouseRelease(diameter, Qt::RightButton);
        QCOMPARE(diameter->text(), QString("212"));
        QTest::mouseClick(diameter, Qt::LeftButton);
        QCOMPARE(diameter->text(), QString());
    }

    void theSensorListDropsDownTenRows() {
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        auto* sensors = child<QComboBox>("cbCapteurs");
        sensors->showPopup();
        const int row = sensors->view()->sizeHintForRow(0);
        QVERIFY2(sensors->view()->height() <= 11 * row, qPrintable(QString::number(sensors->view()->height())));
        sensors->hidePopup();
    }

    // The list has the focus at once, Enter is OK and Escape is Annuler; the
    // row clicked stays under the pointer.
    void theListDialogsAnswerTheKeyboardAndTheMouse() {
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        withModal([&] { QTest::mouseClick(child<QPushButton>("bbCameras"), Qt::LeftButton); },
                  [](QWidget* modal) {
                      QCOMPARE(modal->windowTitle(), QString("Liste de caméras"));
                      auto* list = modal->findChild<QListWidget*>("lbCameras");
                      QCOMPARE(list->window()->focusWidget(), list);
                      list->scrollToItem(list->item(60), QAbstractItemView::PositionAtTop);
                      const QPoint point(20, list->visualItemRect(list->item(70)).center().y());
                      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, point);
                      QCOMPARE(list->currentRow(), 70);
                      QCOMPARE(list->indexAt(point).row(), 70);
                      QTest::keyClick(list, Qt::Key_Return);
                  });
        QCOMPARE(child<QLineEdit>("eNomCamera")->text(), QString("Flea 2-14"));
        withModal([&] { QTest::mouseClick(child<QPushButton>("bbCameras"), Qt::LeftButton); },
                  [](QWidget* modal) {
                      auto* list = modal->findChild<QListWidget*>("lbCameras");
                      QTest::keyClick(list, Qt::Key_Down);
                      QTest::keyClick(list, Qt::Key_Escape);
                  });
        // Escape leaves the camera as it was.
        QCOMPARE(child<QLineEdit>("eNomCamera")->text(), QString("Flea 2-14"));
        withModal([&] { QTest::mouseClick(child<QPushButton>("bbQuit"), Qt::LeftButton); },
                  [](QWidget* modal) {
                      QCOMPARE(modal->windowTitle(), QString("Quitter"));
                      QTest::keyClick(modal, Qt::Key_Escape);
                  });
        QVERIFY(m_window->isVisible());
    }

    // Results are read-only text that can be selected and copied; every text
    // field, an input's disabled one included, is legible (4.5:1 at least).
    void resultsAreLegibleAndCopyable() {
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        const auto luminance = [](QColor c) {
            const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
            return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
        };
        const auto contrast = [&](QLineEdit* e) {
            const auto group = e->isEnabled() ? QPalette::Active : QPalette::Disabled;
            const double a = luminance(e->palette().color(group, QPalette::Text));
            const double b = luminance(e->palette().color(group, QPalette::Base));
            return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
        };
        for (const char* name : {"eFD", "ePR", "ePS", "eTaillePixelsMMX", "eEchant", "eChampHor", "eNbPixelsX"}) {
            auto* e = child<QLineEdit>(name);
            QVERIFY2(contrast(e) >= 4.5, name);
        }
        auto* ratio = child<QLineEdit>("eFD");
        QVERIFY(ratio->isEnabled() && ratio->isReadOnly());
        QVERIFY(!child<QLineEdit>("eNbPixelsX")->isEnabled());  // an input keeps its mode
        QApplication::clipboard()->clear();
        QTest::mouseClick(ratio, Qt::LeftButton);
        QTest::keyClick(ratio, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(ratio, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("12.40"));
        QTest::keyClicks(ratio, "99");
        QCOMPARE(ratio->text(), QString("12.40"));
        // Every bitmap button says what it does.
        auto* notebook = child<QTabWidget>("TabbedNotebook1");
        for (int page = 0; page < notebook->count(); ++page) notebook->setCurrentIndex(page);
        for (QPushButton* button : m_window->findChildren<QPushButton*>()) {
            if (button->objectName().startsWith("bb"))
                QVERIFY2(!button->toolTip().isEmpty(), qPrintable(button->objectName()));
        }
    }

    // At the desktop's font size, from 9 to 13 points: every caption, button
    // and field shows whole, no two overlap, every tab can be reached.
    void everyPageFitsAtEveryFontSize() {
        const QFont original = QApplication::font();
        for (int points : {9, 11, 13}) {
            QFont font = original;
            font.setPointSize(points);
            QApplication::setFont(font);
            restart();
            QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
            auto* notebook = child<QTabWidget>("TabbedNotebook1");
            for (int page = 0; page < notebook->count(); ++page) {
                notebook->setCurrentIndex(page);
                QApplication::processEvents();
                const QRect tab = notebook->tabBar()->tabRect(page);
                QVERIFY2(notebook->tabBar()->rect().contains(tab),
                         qPrintable(QString("%1 pt, tab %2").arg(points).arg(page)));
                checkFits(notebook->currentWidget(), QString("%1 pt, page %2").arg(points).arg(page));
            }
            checkFits(m_window, QString("%1 pt, window").arg(points));
            if (points == 9) QVERIFY(m_window->width() >= 590 && m_window->width() <= 640);
        }
        QApplication::setFont(original);
    }

    // English on an English desktop, French otherwise: captions and messages.
    void speaksTheDesktopsLanguage() {
        const bool english = QLocale::system().language() == QLocale::English;
        auto* notebook = child<QTabWidget>("TabbedNotebook1");
        QCOMPARE(notebook->tabText(0), english ? QString("Settings") : QString("Paramètrage"));
        QCOMPARE(child<QPushButton>("bbRun")->text(),
                 english ? QString("Start the program") : QString("Lancer le programme"));
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        QCOMPARE(child<QPushButton>("bbSauveConfig")->text(),
                 english ? QString("Save config") : QString("Sauve config"));
        QCOMPARE(child<QComboBox>("cbCapteurs")->itemText(0),
                 english ? QString("Manual entry") : QString("Saisie manuelle"));
        QCOMPARE(child<QComboBox>("cbCapteurs")->itemText(14), QString("ICX285"));  // names stay
        // S, C and P whatever the language: hand entry and the two lists on their first row.
        auto* sensors = child<QComboBox>("cbCapteurs");
        sensors->setFocus();
        withModal([&] { QTest::keyClick(sensors, 'c'); }, [](QWidget* d) {
            QCOMPARE(d->objectName(), QString("fCameras"));
            QCOMPARE(d->findChild<QListWidget*>()->currentRow(), 0);
            QTest::keyClick(d->findChild<QListWidget*>(), Qt::Key_Escape);
        });
        QTest::keyClick(sensors, 's');
        QCOMPARE(sensors->currentIndex(), quarvel::ui::kManualRow);
        QVERIFY(child<QLineEdit>("eNbPixelsX")->isEnabled());
        // "Inconnu", a word of the program's, in the desktop's language; the file keeps it.
        QCOMPARE(child<QLineEdit>("eNomCamera")->text(), english ? QString("Unknown") : QString("Inconnu"));
        // Qt's own texts speak the desktop's language too.
        std::unique_ptr<QMenu> menu(child<QLineEdit>("eDiam")->createStandardContextMenu());
        QVERIFY(menu->actions().first()->text().startsWith(english ? "&Undo" : "&Annuler"));
        child<QComboBox>("cbCapteurs")->activated(0);
        withModal([&] { QTest::keyClicks(child<QLineEdit>("eNbPixelsX"), "x"); },
                  [english](QWidget* modal) {
                      auto* box = qobject_cast<QMessageBox*>(modal);
                      QCOMPARE(box->text(), english ? QString("'x' is not a valid integer value.")
                                                    : QString("'x' n'est pas une valeur entière correcte."));
                      box->accept();
                  });
        QCOMPARE(child<QLineEdit>("eEchant")->text(), QString());  // numbers keep "." in both
        // The date in the desktop's format, the year in full.
        notebook->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::Imagerie));
        withModal([&] { QTest::mouseClick(child<QPushButton>("bbDate"), Qt::LeftButton); }, [](QWidget* modal) {
            modal->findChild<QCalendarWidget*>("MonthCalendar1")->setSelectedDate(QDate(2026, 3, 5));
            QTest::keyClick(modal->findChild<QPushButton*>("bbDateOK"), Qt::Key_Return);
        });
        QCOMPARE(child<QLineEdit>("eDate")->text(), english ? QString("3/5/2026") : QString("05/03/2026"));
        notebook->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::Aide));
        const QString help = child<QPlainTextEdit>("memoAide")->toPlainText();
        QVERIFY(help.startsWith(english ? "Quarvel computes" : "Quarvel calcule"));
        QVERIFY(help.contains(english ? "The configuration is saved in the file " + m_dir.path()
                                      : "La configuration est enregistrée dans le fichier " + m_dir.path()));
        // A composed message, down to the reason it ends with.
        namespace messages = quarvel::ui::messages;
        const std::string skipped =
            quarvel::core::errorMessageOf(quarvel::core::ErrorCode::BadEquipment,
                                          quarvel::core::Message::data(quarvel::core::compose(
                                              messages::kSectionProblem, {"a.ini", "3", "Divers", messages::kUnknownSection})))
                .text();
        QCOMPARE(quarvel::ui::qt::tt(skipped),
                 english ? QString("Equipment skipped: a.ini, line 3, [Divers]: unknown section")
                         : QString::fromStdString(skipped));
    }

    // Two setups kept, brought back after a restart, compared with the single
    // pages' numbers, judged for the user's sky, copied and drawn to a file.
    void setupsAreComparedCopiedAndSaved() {
        const bool english = QLocale::system().language() == QLocale::English;
        using quarvel::ui::Page;
        using quarvel::ui::indexOf;
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        const auto keep = [&](const char* diameter, const char* focal, const char* pixel, const QString& name) {
            type("eDiam", diameter);
            type("eFocale", focal);
            auto* sensors = child<QComboBox>("cbCapteurs");
            sensors->setCurrentIndex(quarvel::ui::kManualRow);
            sensors->activated(quarvel::ui::kManualRow);
            type("eNbPixelsX", "1500");
            type("eNbPixelsY", "1000");
            type("eTaillePixelsX", pixel);
            withModal([&] { QTest::mouseClick(child<QPushButton>("bbMontage"), Qt::LeftButton); },
                      [&](QWidget* d) {
                          QVERIFY(!d->findChild<QLineEdit*>("eDiamEquipement")->isVisible());
                          auto* field = d->findChild<QLineEdit*>("eNomEquipement");
                          for (const QChar c : name) QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, c, {});
                          QTest::mouseClick(d->findChild<QPushButton*>("bbNomOK"), Qt::LeftButton);
                      });
        };
        // A name too long for its box, its words markup-like.
        const QString refractor = QString::fromUtf8("Lunette <i>200</i> sur monture, réducteur et roue à filtres");
        keep("200", "1000", "5.4", refractor);
        keep("100", "500", "3.76", "Lune");  // a name, even one of the program's words
        restart();
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        auto* setups = child<QComboBox>("cbMontages");
        QCOMPARE(setups->count(), 2);
        QCOMPARE(setups->itemText(0), refractor);
        QCOMPARE(setups->itemText(1), QString("Lune"));
        setups->setCurrentIndex(0);
        setups->activated(0);
        QCOMPARE(child<QLineEdit>("eDiam")->text(), QString("200"));
        // The box shows the name's start, the whole name in its tooltip.
        QCOMPARE(setups->toolTip(), refractor);
        const QImage shown = setups->grab().toImage();
        setups->setItemText(0, "Lunette");
        const QImage start = setups->grab().toImage();
        setups->setItemText(0, refractor);
        const int word = setups->fontMetrics().horizontalAdvance("Lunette") + 4;
        QCOMPARE(shown.copy(0, 0, word, shown.height()), start.copy(0, 0, word, start.height()));
        QVERIFY(shown != start);
        const QString fd = child<QLineEdit>("eFD")->text(), sampling = child<QLineEdit>("eEchant")->text();

        auto* notebook = child<QTabWidget>("TabbedNotebook1");
        QCOMPARE(notebook->tabText(indexOf(Page::Comparer)), english ? QString("Compare") : QString("Comparer"));
        notebook->setCurrentIndex(indexOf(Page::Comparer));
        auto* third = child<QComboBox>("cbMontage3");
        third->setCurrentIndex(2);
        third->activated(2);
        QCOMPARE(child<QLabel>("labCmpFD1")->text(), fd);
        QCOMPARE(child<QLabel>("labCmpEchant2")->text(), sampling);
        QCOMPARE(child<QLabel>("labCmpEchant3")->text(), QString("1.55"));
        notebook->setCurrentIndex(indexOf(Page::Imagerie));
        const QString jupiter = child<QLineEdit>("eDiamCapt")->text();
        type("eFWHM", "1.5");
        auto* binning = child<QComboBox>("cbBinning");
        binning->setCurrentIndex(1);
        binning->activated(1);
        notebook->setCurrentIndex(indexOf(Page::Comparer));
        QCOMPARE(child<QLabel>("labCmpJupiter1")->text(), jupiter);
        QCOMPARE(child<QLabel>("labCmpVerdict2")->text(), english ? QString("undersampled") : QString("sous-échantillonné"));

        // The table on the clipboard: a line a row, caption, the three setups, unit.
        QGuiApplication::clipboard()->clear();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QTest::keySequence(m_window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
        QTRY_VERIFY(!QGuiApplication::clipboard()->text().isEmpty());
        const QStringList lines = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), static_cast<int>(quarvel::ui::ComparerPage::kRowCount) + 1);
        QCOMPARE(lines[0].split('\t'), (QStringList{english ? "Setup" : "Montage",
                                                    english ? "Current setup" : "Montage actuel",
                                                    refractor, "Lune", ""}));
        const QStringList row = lines[1 + quarvel::ui::ComparerPage::kSampling].split('\t');
        QCOMPARE(row, (QStringList{english ? "Sampling" : "Echantillonnage", sampling, sampling, "1.55", "\"/pixel"}));
        QCOMPARE(lines[1 + quarvel::ui::ComparerPage::kCamera].split('\t').size(), 5);

        // The photograph with its frames, saved at twice its size on the screen.
        notebook->setCurrentIndex(indexOf(Page::ChampPhoto));
        QVERIFY(child<QLabel>("labLegende")->text().contains(refractor));
        QVERIFY(child<QLabel>("labLegende")->text().endsWith(": Lune"));
        QCOMPARE(child<QComboBox>("cbMontage3")->currentText(), QString("Lune"));
        // A picture of that name is there: the dialog asks before replacing
        // it, the name typed without its suffix.
        const QString path = m_dir.path() + "/champ";
        QFile there(path + ".png");
        QVERIFY(there.open(QIODevice::WriteOnly) && there.write("ancienne") == 8);
        there.close();
        withModal([&] { QTest::mouseClick(child<QPushButton>("bbEnregistrerImage"), Qt::LeftButton); },
                  [&](QWidget* d) {
                      auto* dialog = qobject_cast<QFileDialog*>(d);
                      QVERIFY(dialog);
                      // The dialog settles on the name it suggests before the user types another.
                      QTRY_COMPARE(dialog->selectedFiles(), QStringList{m_home.filePath("quarvel-champphoto.png")});
                      dialog->setDirectory(m_dir.path());
                      auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
                      name->setFocus();
                      QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
                      QTest::keyClicks(name, "champ");
                      QTRY_COMPARE(dialog->selectedFiles(), QStringList{path + ".png"});
                      auto* save = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save);
                      QTRY_VERIFY(save->isEnabled());
                      withModal([&] { QTest::mouseClick(save, Qt::LeftButton); }, [](QWidget* ask) {
                          auto* box = qobject_cast<QMessageBox*>(ask);
                          QVERIFY(box && box->text().contains("champ.png"));
                          QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
                      });
                  });
        QTRY_VERIFY(QFile::exists(path + ".png"));
        const QImage saved(path + ".png");
        QCOMPARE(saved.size(), notebook->currentWidget()->size() * 2);
        QFile::remove(path + ".png");
    }

    // Objects found by what the user types, framed at true scale: the line
    // under the picture and the red frame's size in pixels, in the desktop's
    // language.
    // A site added on the "Nuit" page is there after a restart, and M 31's
    // night from it is the reference's (PyEphem: rising 05:23:58, transit
    // 15:12:00, setting 00:56:05 UTC on 12/02/1990 from the Pic du Midi).
    void theNightOfAFramedObjectFromASiteKept() {
        const bool english = QLocale::system().language() == QLocale::English;
        using quarvel::ui::Page;
        using quarvel::ui::indexOf;
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        child<QTabWidget>("TabbedNotebook1")->setCurrentIndex(indexOf(Page::Nuit));
        type("eSiteNom", "Pic du Midi");
        type("eSiteLatitude", "42°56'24\"N");
        type("eSiteLongitude", english ? "0.14" : "0,14");
        type("eSiteAltitude", "2877");
        QTest::mouseClick(child<QPushButton>("bbAjouterSite"), Qt::LeftButton);
        QCOMPARE(child<QComboBox>("cbSites")->currentText(), QString("Pic du Midi"));

        restart();
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        child<QTabWidget>("TabbedNotebook1")->setCurrentIndex(indexOf(Page::ChampPhoto));
        type("eObjet", "M 31");
        QWidget* proposals = QApplication::activePopupWidget();
        QTest::keyClick(proposals ? proposals : child<QLineEdit>("eObjet"), Qt::Key_Return);
        child<QTabWidget>("TabbedNotebook1")->setCurrentIndex(indexOf(Page::Nuit));
        QCOMPARE(child<QComboBox>("cbSites")->currentText(), QString("Pic du Midi"));
        QCOMPARE(child<QLineEdit>("eSiteLatitude")->text(), QString("42.94"));
        QCOMPARE(child<QComboBox>("cbCible")->currentText(), QString("M 31"));
        withModal([&] { QTest::mouseClick(child<QPushButton>("bbDateNuit"), Qt::LeftButton); }, [](QWidget* modal) {
            modal->findChild<QCalendarWidget*>("MonthCalendar1")->setSelectedDate(QDate(1990, 2, 12));
            QTest::keyClick(modal->findChild<QPushButton*>("bbDateOK"), Qt::Key_Return);
        });
        // Up already at sunset, it is said so before its rising in the morning.
        QCOMPARE(child<QLabel>("labLever")->text(), english ? QString("Rises: already up at sunset, up again at 05:24")
                                                            : QString("Lever : déjà levé au coucher du Soleil, de nouveau à 05:24"));
        QCOMPARE(child<QLabel>("labPassage")->text(),
                 english ? QString("Transit: 15:12 at 88°") : QString("Passage : 15:12 à 88°"));
        QCOMPARE(child<QLabel>("labCoucher")->text(), english ? QString("Sets: 00:56") : QString("Coucher : 00:56"));
        // A second target typed, and Jupiter offered: three curves, three lines, copied as lines.
        type("eCibleNuit", "M 42");
        QTest::keyClick(child<QLineEdit>("eCibleNuit"), Qt::Key_Return);
        auto* offered = child<QComboBox>("cbCible");
        offered->setCurrentIndex(offered->findText(english ? "Jupiter" : "Jupiter"));
        offered->activated(offered->currentIndex());
        QTest::mouseClick(child<QPushButton>("bbAjouterCible"), Qt::LeftButton);
        QVERIFY(child<QLabel>("labCibleNuit1")->text().startsWith("M 31 — "));
        QVERIFY(child<QLabel>("labCibleNuit2")->text().startsWith("M 42 — "));
        QVERIFY2(child<QLabel>("labCibleNuit3")->text().startsWith("▸ Jupiter — "), qPrintable(child<QLabel>("labCibleNuit3")->text()));
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(child<QPushButton>("bbCopier"), Qt::LeftButton);
        QTRY_VERIFY(!QGuiApplication::clipboard()->text().isEmpty());
        const QStringList lines = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[0].startsWith(english ? "M 31\tRises: already up" : "M 31\tLever : déjà levé"), qPrintable(lines[0]));
    }

    void objectsAreFoundAndFramed() {
        const bool english = QLocale::system().language() == QLocale::English;
        using quarvel::ui::Page;
        using quarvel::ui::indexOf;
        framingSetup("120", "840");
        auto* name = child<QLineEdit>("eObjet");
        const auto frame = [&](const QString& typed) {
            name->setFocus();
            name->selectAll();
            for (const QChar c : typed) QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, c, {});
            // Enter goes to the proposals when they show, as the keyboard's focus does.
            QWidget* proposals = QApplication::activePopupWidget();
            QTest::keyClick(proposals ? proposals : name, Qt::Key_Return);
            QApplication::processEvents();
        };
        const QString field = english ? "field 96' x 64'" : "champ 96' x 64'";
        // The scale shows the frame and the object with a margin in 360 x 240
        // less 8 pixels: 232 / 1.2 / 177.8' for M 31.
        struct Case {
            QString typed;
            QString title;
            QString line;
            double scale;
        };
        const QString colon = english ? ":" : " :";  // French spaces its colons
        const QString unknown = english ? ", orientation unknown — " : ", orientation inconnue — ";
        const Case cases[] = {
            {"m31", english ? "M 31 — NGC 224 — Andromeda Galaxy" : "M 31 — NGC 224 — Galaxie d'Andromède",
             "M 31" + colon + " 178' x 70' — " + field + (english ? " — does not fit: a 2 x 3 mosaic advised"
                                                       : " — ne tient pas : mosaïque 2 x 3 conseillée"),
             232 / (1.2 * 177.8)},
            {"M 27", "", "M 27" + colon + " 6.7' — " + field + (english ? " — fits in the field (filling 10 %)"
                                                               : " — tient dans le champ (remplissage 10 %)"),
             232 / 64.28},
            {"NGC 7000", "", "C 20" + colon + " 120' x 30'" + unknown + field, 232 / (1.2 * 120)},
            {"C 14", "", "C 14" + colon + " 50' — " + field, 232 / 64.28},
            // The targets imagers frame most, at the size they frame.
            {"NGC 2237", "", "C 49" + colon + " 80' x 50'" + unknown + field, 232 / (1.2 * 80)},
            // These two are drawn by their contours, which set the scale: their
            // frames are not measured here.
            {"IC 1396", "", "IC 1396" + colon + " 170' x 140'" + unknown + field, 0},
            {"NGC 6960", "", "C 34" + colon + " 90' x 30'" + unknown + field, 232 / (1.2 * 90)},
            {english ? "Heart" : "Cœur", english ? "IC 1805 — Heart Nebula" : "IC 1805 — Nébuleuse du Cœur",
             "IC 1805" + colon + " 150' — " + field, 0},
        };
        for (const auto& c : cases) {
            frame(c.typed);
            const QString line = child<QLabel>("labCadrage")->text();
            QVERIFY2(line.startsWith(c.line.left(c.line.indexOf(" — "))) && line.contains(field), qPrintable(line));
            if (c.typed.startsWith("m") || c.typed.startsWith("M")) QCOMPARE(line, c.line);
            if (!c.title.isEmpty()) QVERIFY2(child<QLabel>("labPhoto")->text().startsWith(c.title),
                                             qPrintable(child<QLabel>("labPhoto")->text()));
            // The red frame, 96.2' x 64.3' at the drawing's scale.
            auto* view = child<QWidget>("vueObjet");
            QVERIFY(view->isVisible());
            QImage drawn(view->size(), QImage::Format_RGB32);
            view->render(&drawn);
            int left = drawn.width(), right = -1, top = drawn.height(), bottom = -1;
            for (int y = 0; y < drawn.height(); ++y) {
                for (int x = 0; x < drawn.width(); ++x) {
                    if (drawn.pixel(x, y) != qRgb(255, 0, 0)) continue;
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                }
            }
            const double scale = c.scale;
            if (scale == 0) continue;
            QVERIFY2(std::abs((right - left) - 96.2 * scale) <= 2.5, qPrintable(QString("%1: %2 px for %3")
                                                                           .arg(c.typed).arg(right - left).arg(96.2 * scale)));
            QVERIFY(std::abs((bottom - top) - 64.3 * scale) <= 2.5);
        }

        // The frame dragged with the mouse from its centre onto M 110, whose
        // place in the catalogue falls on the chart about M 31, at its scale.
        frame("M 31");
        const quarvel::sky::Equatorial m31{10.6848, 41.2691}, m110{10.092, 41.6853};
        const double scale = 232 / 1.2 / 177.8;
        const auto offset = quarvel::sky::project(m31, m110);
        QVERIFY(offset);
        auto* view = child<QWidget>("vueObjet");
        const QPointF from(180, 120), to(180 - offset->x * 60 * scale, 120 - offset->y * 60 * scale);
        const auto mouse = [view](QEvent::Type type, QPointF at, Qt::MouseButtons held) {
            QMouseEvent event(type, at, view->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
            QApplication::sendEvent(view, &event);
        };
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        mouse(QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
        mouse(QEvent::MouseMove, to, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
        const auto centre = quarvel::sky::parseEquatorial(child<QLabel>("labCentre")->text().toStdString());
        QVERIFY(centre);
        // A pixel is 55".
        QVERIFY2(quarvel::sky::separationDeg(*centre, m110) < 60.0 / 3600, qPrintable(child<QLabel>("labCentre")->text()));
        // Typed coordinates, in the desktop's decimal mark.
        type("eCentre", english ? "0:41:00.5 +41.5" : "0:41:00,5 +41,5");
        QTest::keyClick(child<QLineEdit>("eCentre"), Qt::Key_Return);
        QCOMPARE(child<QLabel>("labCentre")->text(), QString("00h41m00.5s +41°30'00\""));
        // A 2 x 2 mosaic's panels, listed and exported through the dialog, read back.
        type("eMosaiqueX", "2");
        type("eMosaiqueY", "2");
        QCOMPARE(child<QListWidget>("tabPanneaux")->count(), 4);
        const QString path = m_dir.filePath("panneaux.csv");
        withModal([&] { QTest::mouseClick(child<QPushButton>("bbExporterPanneaux"), Qt::LeftButton); },
                  [&](QWidget* d) {
                      auto* dialog = qobject_cast<QFileDialog*>(d);
                      QVERIFY(dialog);
                      dialog->setDirectory(m_dir.path());
                      auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
                      name->setFocus();
                      QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
                      QTest::keyClicks(name, "panneaux");
                      QTRY_COMPARE(dialog->selectedFiles(), QStringList{path});
                      auto* save = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save);
                      QTRY_VERIFY(save->isEnabled());
                      QTest::mouseClick(save, Qt::LeftButton);
                  });
        QTRY_VERIFY(QFile::exists(path));
        QFile csv(path);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(csv.readAll()).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0], QString("Pane, RA, DEC, Position Angle (East), Pane width (arcmins), Pane height (arcmins), "
                                   "Overlap, Row, Column"));
        QVERIFY2(lines[4].startsWith("Pane 4, 00h") && lines[4].endsWith(", 96.15, 64.27, 10%, 2, 2"),
                 qPrintable(lines[4]));
        // The picture is the chart alone, at twice its size, named after the object and the telescope.
        QTest::mouseClick(child<QPushButton>("bbCopierImage"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->image().width(), 720);
        withModal([&] { QTest::mouseClick(child<QPushButton>("bbEnregistrerImage"), Qt::LeftButton); },
                  [&](QWidget* d) {
                      auto* dialog = qobject_cast<QFileDialog*>(d);
                      QVERIFY(dialog);
                      QTRY_VERIFY(!dialog->selectedFiles().isEmpty());
                      QVERIFY2(QFileInfo(dialog->selectedFiles().front()).fileName().startsWith("M 31 - "),
                               qPrintable(dialog->selectedFiles().front()));
                      dialog->reject();
                  });
        // A larger window gives the chart the room: the panels' buttons follow
        // the page's right side and the picture is the chart's new size.
        m_window->resize(m_window->width() + 200, m_window->height() + 150);
        QTRY_COMPARE(view->width(), 560);
        // Down too, as far as the screen lets the window grow.
        QCOMPARE(view->height() - 240, view->parentWidget()->height() - view->parentWidget()->minimumHeight());
        QVERIFY(child<QLabel>("labPhotoCapteur")->y() > view->geometry().bottom());
        auto* exportPanels = child<QPushButton>("bbExporterPanneaux");
        const QWidget* page = exportPanels->parentWidget();
        QVERIFY(child<QComboBox>("cbCapteursPhoto")->geometry().bottom() < page->height());
        QVERIFY(exportPanels->geometry().right() < page->width());
        QVERIFY(exportPanels->geometry().left() > view->geometry().center().x());
        QCOMPARE(child<QLabel>("labCentre")->text(), QString("00h41m00.5s +41°30'00\""));
        QTest::mouseClick(child<QPushButton>("bbCopierImage"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->image().width(), 1120);
    }

    // The stars behind the frame: a centre typed on Vega with a wide field
    // shows its disc in the middle of the chart, and the legend says the source.
    void aBrightStarIsDrawnWhereItIs() {
        framingSetup("50", "135");
        auto* centre = child<QLineEdit>("eCentre");
        centre->setFocus();
        QTest::keyClicks(centre, "18h36m56.3s +38°47'01\"");
        QTest::keyClick(centre, Qt::Key_Return);
        auto* chart = child<QWidget>("vueObjet");
        QTRY_VERIFY(chart->isVisible());
        const QImage shown = chart->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QColor middle = shown.pixelColor(shown.width() / 2, shown.height() / 2);
        QVERIFY2(middle.red() > 200 && middle.green() > 200 && middle.blue() > 200, qPrintable(middle.name()));
        // A little aside, the night sky.
        const QColor aside = shown.pixelColor(shown.width() / 2 + 12, shown.height() / 2 + 12);
        QVERIFY2(aside.lightness() < 80, qPrintable(aside.name()));
    }

    // Tonight's targets for a setup and a site: the list shown, a row
    // double-clicked, the object framed on the photo page.
    void tonightsTargetsAreListedAndOneFramed() {
        framingSetup("80", "400");
        using quarvel::ui::Page;
        child<QTabWidget>("TabbedNotebook1")->setCurrentIndex(quarvel::ui::indexOf(Page::Nuit));
        type("eSiteLatitude", "48.85");
        type("eSiteLongitude", "2.35");
        QString chosen;
        withModal([&] { QTest::mouseClick(child<QPushButton>("bbCibles"), Qt::LeftButton); },
                  [&](QWidget* dialog) {
                      auto* table = dialog->findChild<QTableWidget*>("tabCibles");
                      QVERIFY(table);
                      QTRY_VERIFY(table->rowCount() > 5);
                      QVERIFY(dialog->findChild<QLabel*>("labCibles")->text().contains(" cibles sur 6323"));
                      chosen = table->item(0, 0)->text();
                      const QRect cell = table->visualItemRect(table->item(0, 0));
                      QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
                      QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
                  });
        QVERIFY(!chosen.isEmpty());
        QTRY_VERIFY(!QApplication::activeModalWidget());
        child<QTabWidget>("TabbedNotebook1")->setCurrentIndex(quarvel::ui::indexOf(Page::ChampPhoto));
        QCOMPARE(child<QLabel>("labPhoto")->text(), chosen);
        QVERIFY(child<QWidget>("vueObjet")->isVisible());
    }

    // The user's own image, opened through the file dialog, solved away from
    // the window, set beside the setup, and its framing and stars' width taken.
    void anImageIsSolvedAndItsFramingTaken() {
        if (!quarvel::image::solverInstalled()) QSKIP("astrometry.net is not installed");
        const QString picture = m_dir.filePath("orion.tif");
        QCOMPARE(QProcess::execute(QUARVEL_RENDER, {picture, "tiff", "83.8221", "-5.3911", "2.0", "125", "0", "1600",
                                                    "1100", "3.0", "gaussian", "7"}),
                 0);
        // A refractor of 400 mm and 3.76 µm pixels: 1.94"/px, the image's 2"/px within the hint's 15 %.
        framingSetup("80", "400");
        auto* name = child<QLineEdit>("eObjet");
        name->setFocus();
        QTest::keyClicks(name, "M 42");
        QWidget* proposals = QApplication::activePopupWidget();
        QTest::keyClick(proposals ? proposals : name, Qt::Key_Return);
        withModal([&] { QTest::mouseClick(child<QPushButton>("bbMesurerImage"), Qt::LeftButton); },
                  [&](QWidget* d) {
                      auto* dialog = qobject_cast<QFileDialog*>(d);
                      QVERIFY(dialog);
                      dialog->setDirectory(m_dir.path());
                      auto* file = dialog->findChild<QLineEdit*>("fileNameEdit");
                      file->setFocus();
                      QTest::keyClicks(file, "orion.tif");
                      QTRY_COMPARE(dialog->selectedFiles(), QStringList{picture});
                      QTest::keyClick(file, Qt::Key_Return);
                  });
        const bool english = QLocale::system().language() == QLocale::English;
        auto* measured = child<QLabel>("labMesure");
        QTRY_VERIFY_WITH_TIMEOUT(measured->text().startsWith(english ? "orion.tif: centre 05h35m" : "orion.tif : centre 05h35m"),
                                 60000);
        QVERIFY2(measured->text().contains(english ? "mirrored: no" : "miroir : non") &&
                     measured->text().contains(english ? "Rotation 125.0° (the image's top, from north through east)"
                                                       : "Rotation 125.0° (le haut de l'image, du nord vers l'est)"),
                 qPrintable(measured->text()));
        QTest::mouseClick(child<QPushButton>("bbReprendreCadrage"), Qt::LeftButton);
        QCOMPARE(child<QLineEdit>("eRotation")->text(), QString("125.0"));
        const auto centre = quarvel::sky::parseEquatorial(child<QLabel>("labCentre")->text().toStdString());
        QVERIFY(centre);
        QVERIFY(quarvel::sky::separationDeg(*centre, {83.8221, -5.3911}) * 3600 < 5);
        // The stars' 3 pixels of 2" are the site's seeing now.
        QTest::mouseClick(child<QPushButton>("bbFwhmTurbulence"), Qt::LeftButton);
        child<QTabWidget>("TabbedNotebook1")->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::Imagerie));
        const QString seeing = child<QLineEdit>("eFWHM")->text();
        QVERIFY2(std::abs(seeing.toDouble() - 6) < 0.6, qPrintable(seeing));
        // Remembered as if typed: the next start judges with it.
        restart();
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        child<QTabWidget>("TabbedNotebook1")->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::Imagerie));
        QCOMPARE(child<QLineEdit>("eFWHM")->text(), seeing);
    }

    // Enter is OK and Escape is Annuler in the other dialogs too.
    void theOtherDialogsAnswerEnterAndEscape() {
        QTest::mouseClick(child<QPushButton>("bbRun"), Qt::LeftButton);
        withModal([&] { QTest::mouseClick(child<QPushButton>("bbTelescopes"), Qt::LeftButton); },
                  [](QWidget* modal) {
                      auto* list = modal->findChild<QListWidget*>("lbTelescopes");
                      QCOMPARE(list->window()->focusWidget(), list);
                      list->setCurrentRow(1);
                      QTest::keyClick(list, Qt::Key_Escape);
                  });
        QCOMPARE(child<QLineEdit>("eDiam")->text(), QString("212"));
        withModal([&] { QTest::mouseClick(child<QPushButton>("bbTelescopes"), Qt::LeftButton); },
                  [](QWidget* modal) {
                      auto* list = modal->findChild<QListWidget*>("lbTelescopes");
                      list->setCurrentRow(list->count() - 1);
                      QTest::keyClick(list, Qt::Key_Return);
                  });
        QVERIFY(child<QLineEdit>("eDiam")->text() != QString("212"));
        withModal([&] { QTest::mouseClick(child<QPushButton>("bbAPN"), Qt::LeftButton); },
                  [](QWidget* modal) {
                      QCOMPARE(modal->focusWidget(), modal->findChild<QListWidget*>("lbAPN"));
                      QTest::keyClick(modal->findChild<QListWidget*>("lbAPN"), Qt::Key_Escape);
                  });
        QVERIFY(!QApplication::activeModalWidget());
        child<QTabWidget>("TabbedNotebook1")->setCurrentIndex(quarvel::ui::indexOf(quarvel::ui::Page::Imagerie));
        const QString date = child<QLineEdit>("eDate")->text();
        withModal([&] { QTest::mouseClick(child<QPushButton>("bbDate"), Qt::LeftButton); },
                  [](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        QCOMPARE(child<QLineEdit>("eDate")->text(), date);
        withModal([&] { QTest::mouseClick(child<QPushButton>("bbDate"), Qt::LeftButton); },
                  [](QWidget* modal) {
                      auto* calendar = modal->findChild<QCalendarWidget*>("MonthCalendar1");
                      calendar->setSelectedDate(QDate(2026, 3, 5));
                      QTest::keyClick(modal->findChild<QPushButton*>("bbDateOK"), Qt::Key_Return);
                  });
        QCOMPARE(child<QLineEdit>("eDate")->text(), QString("05/03/2026"));
    }

    void quitWithNonEndsWithoutWriting() {
        withModal([&] { QTest::mouseClick(child<QPushButton>("bbQuit"), Qt::LeftButton); },
                  [](QWidget* modal) {
                      QCOMPARE(modal->windowTitle(), QString("Quitter"));
                      QTest::mouseClick(modal->findChild<QRadioButton*>("rbSauveNon"), Qt::LeftButton);
                      QTest::mouseClick(modal->findChild<QPushButton*>("bbQuitOK"), Qt::LeftButton);
                  });
        QVERIFY(!m_window->isVisible());
        QVERIFY(!QFile::exists(m_dir.path() + "/Quarvel.ini"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_qttest.moc"
