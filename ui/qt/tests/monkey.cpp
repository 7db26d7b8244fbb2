// SPDX-License-Identifier: GPL-3.0-or-later
// A monkey on the real window: random but realistic mouse, wheel and keyboard
// input on random visible, enabled widgets of whatever window is on top,
// dialogs, error boxes and menus included. Each event is written to a log
// line that replays it. After each event every open error box must show one
// of the program's fixed messages, and no event may take longer than the
// limit.
//
//   monkey [--seed N] [--events N] [--log FILE] [--replay FILE] [--limit-ms N]
//
// Exits 0 when nothing was found; prints the counts either way.
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <utility>

#include "core/errors.h"
#include "ui/startup.h"

namespace {

// One user event: where (the window on top and the index of the widget among
// its candidates, with a point inside it) and what.
struct Event {
    QString window;
    int widget = 0;
    QString action;  // click, right, double, wheel, key, type, paste
    int x = 0;
    int y = 0;
    int key = 0;
    int modifiers = 0;
    QString text;

    QString line() const {
        return QStringList{window, QString::number(widget), action, QString::number(x), QString::number(y),
                           QString::number(key), QString::number(modifiers), QString::fromLatin1(text.toUtf8().toBase64())}
            .join(' ');
    }
    static std::optional<Event> parse(const QString& line) {
        const QStringList f = line.split(' ');
        if (f.size() != 8) return std::nullopt;
        return Event{f[0], f[1].toInt(), f[2], f[3].toInt(), f[4].toInt(), f[5].toInt(), f[6].toInt(),
                     QString::fromUtf8(QByteArray::fromBase64(f[7].toLatin1()))};
    }
};

// The window the user acts on: a menu, then a modal dialog or box, then the
// main window.
QWidget* topWindow() {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "fUtil" && w->isVisible()) return w;
    }
    return nullptr;
}

bool candidate(QWidget* w) {
    if (!w->isVisible() || !w->isEnabled() || w->width() <= 0 || w->height() <= 0) return false;
    return qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
           qobject_cast<QTabBar*>(w) || qobject_cast<QSlider*>(w) || qobject_cast<QLabel*>(w) ||
           qobject_cast<QMenu*>(w) || w->objectName() == "qt_scrollarea_viewport";
}

QList<QWidget*> candidates(QWidget* window) {
    QList<QWidget*> found;
    if (candidate(window)) found.push_back(window);
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (candidate(w) && w->window() == window) found.push_back(w);
    }
    return found;
}

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

// The mail link opens nothing during a run.
class MailCatcher : public QObject {
    Q_OBJECT

public slots:
    void ignore(const QUrl&) {}
};

// Types text as a keyboard does, characters a US keyboard lacks included.
void typeText(QWidget* w, const QString& text) {
    const QPointer<QWidget> target(w);
    for (const QChar c : text) {
        if (!target) return;
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        if (!target) return;
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &release);
    }
}

class Monkey : public QObject {
public:
    Monkey(unsigned seed, long events, int limitMs, QFile* log, QList<Event> replay)
        : m_random(seed), m_events(events), m_limitMs(limitMs), m_log(log), m_replay(std::move(replay)) {}

    int run() {
        QDesktopServices::setUrlHandler("mailto", &m_mail, "ignore");
        while (m_done < m_events && m_findings < 10 && (m_replay.isEmpty() || m_next < m_replay.size())) {
            startProgram();
            QTimer::singleShot(0, this, [this] { step(); });
            m_loop.exec();
            m_program = {};
        }
        QDesktopServices::unsetUrlHandler("mailto");
        std::printf("monkey: %ld events in %ld runs, %ld error boxes, %ld findings, slowest event %lld ms of processor\n", m_done,
                    m_runs, m_boxes, m_findings, m_slowest);
        for (auto it = m_perWindow.begin(); it != m_perWindow.end(); ++it) {
            std::printf("  %s: %ld events\n", qPrintable(it.key()), it.value());
        }
        std::fflush(stdout);  // before a sanitizer's report ends the process
        return m_findings == 0 ? 0 : 1;
    }

private:
    void startProgram() {
        ++m_runs;
        // Each run starts from no configuration, so that a replay meets the
        // same program.
        QFile::remove(m_dir.path() + "/Quarvel.ini");
        m_program = quarvel::ui::startQuarvel((m_dir.path() + "/Quarvel.ini").toStdString(), {QUARVEL_BUILD_DIR});
        m_freshRun = true;
        m_budget = m_done + std::uniform_int_distribution<long>(500, 5000)(m_random);
    }

    void finding(const QString& what) {
        ++m_findings;
        std::fprintf(stderr, "monkey: finding after event %ld: %s\n", m_done, qPrintable(what));
    }

    // Every error box shows one of the program's own messages.
    void checkBoxes() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box || !box->isVisible()) continue;
            // The file dialog's own question (write over a file?) is Qt's.
            if (box->parentWidget() && box->parentWidget()->inherits("QFileDialog")) continue;
            if (box != m_lastBox) ++m_boxes;
            m_lastBox = box;
            QString text = box->text();
            if (text.endsWith('.')) text.chop(1);
            if (!quarvel::core::isFixedMessage(text.toStdString()) &&
                !quarvel::core::isFixedMessage(box->text().toStdString())) {
                finding("box: " + box->text());
            }
        }
    }

    void step() {
        checkBoxes();
        QWidget* window = topWindow();
        const bool replaying = !m_replay.isEmpty();
        bool endRun = !window || m_done >= m_events || m_findings >= 10;
        if (replaying) {
            endRun = endRun || m_next >= m_replay.size() || m_replay[m_next].action == "end";
            if (m_next < m_replay.size() && m_replay[m_next].action == "end") ++m_next;
        } else if (window && m_done >= m_budget) {
            endRun = true;
            if (m_log) m_log->write((Event{"-", 0, "end", 0, 0, 0, 0, {}}.line() + '\n').toUtf8());
        }
        if (endRun) {
            closeEverything();
            return;
        }
        const Event event = replaying ? m_replay[m_next++] : randomEvent(window);
        if (m_log) m_log->write((event.line() + '\n').toUtf8());
        ++m_done;
        ++m_perWindow[event.window];
        // An event that opens a menu, a dialog or a box returns only when it
        // closes: the next steps run inside, in its event loop.
        bool nested = false;
        QTimer probe;
        probe.setInterval(0);
        connect(&probe, &QTimer::timeout, this, [&] {
            if (topWindow() == window) return;
            probe.stop();
            nested = true;
            step();
        });
        probe.start();
        // The program's own work is its processor time, whatever else the
        // machine does; a wait that uses none shows in the wall clock.
        QElapsedTimer timer;
        timer.start();
        const double cpuBefore = threadCpuMs();
        perform(event);
        const qint64 elapsed = timer.elapsed();
        // Typed text is as many keystrokes: each is judged on its own.
        const qint64 keys = event.action == "type" ? std::max<qint64>(1, event.text.size()) : 1;
        const auto cpu = static_cast<qint64>(threadCpuMs() - cpuBefore) / keys;
        probe.stop();
        if (nested) return;  // the time was the user's, in the dialog
        m_slowest = std::max(m_slowest, cpu);
        if (cpu > m_limitMs || elapsed > 10 * m_limitMs * keys) {
            finding(QString("event took %1 ms (%2 ms of processor a keystroke): %3").arg(elapsed).arg(cpu).arg(event.line()));
        }
        QTimer::singleShot(0, this, [this] { step(); });
    }

    void closeEverything() {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        } else if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            modal->reject();
        } else {
            m_loop.quit();
            return;
        }
        QTimer::singleShot(0, this, [this] { step(); });
    }

    int pick(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    QString randomText() {
        static const QString pieces[] = {"0", "1", "2", "5", "9", "12", "200", "2628", ".", ",", "-", "e", "E",
                                         "1e308", "a", "x", "é", " ", "0.0", "-0", "6,45", "NaN", "ICX"};
        QString text;
        const int kind = pick(10);
        if (kind == 0) return QString(pick(600) + 100, QChar('0' + pick(10)));  // a long string
        for (int i = 0, n = pick(4) + 1; i < n; ++i) text += pieces[pick(std::size(pieces))];
        return text;
    }

    Event randomEvent(QWidget* window) {
        const QList<QWidget*> widgets = candidates(window);
        Event e;
        e.window = window->objectName().isEmpty() ? window->metaObject()->className() : window->objectName();
        // Most runs start as a user does, with "Lancer le programme".
        if (std::exchange(m_freshRun, false) && pick(10) > 0) {
            for (int i = 0; i < widgets.size(); ++i) {
                if (widgets[i]->objectName() != "bbRun") continue;
                e.widget = i;
                e.action = "click";
                e.x = widgets[i]->width() / 2;
                e.y = widgets[i]->height() / 2;
                return e;
            }
        }
        if (widgets.isEmpty()) {
            e.action = "key";
            e.key = Qt::Key_Escape;
            return e;
        }
        // A user answers a box or a drop-down list soon.
        const bool answers = (qobject_cast<QMessageBox*>(window) || !window->inherits("QDialog")) && window->objectName() != "fUtil" && pick(3) > 0;
        if (answers) {
            e.action = "key";
            e.key = pick(2) ? Qt::Key_Return : Qt::Key_Escape;
            return e;
        }
        e.widget = pick(static_cast<int>(widgets.size()));
        const QWidget* w = widgets[e.widget];
        e.x = pick(w->width());
        e.y = pick(w->height());
        static const char* actions[] = {"click", "click", "click", "right", "double", "wheel",
                                        "key",   "key",   "type",  "type",  "paste"};
        e.action = actions[pick(std::size(actions))];
        if (e.action == "wheel") e.key = pick(2) ? 120 : -120;
        if (e.action == "type" || e.action == "paste") e.text = randomText();
        if (e.action == "key") {
            static const std::pair<int, int> keys[] = {
                {Qt::Key_Tab, 0}, {Qt::Key_Backtab, Qt::ShiftModifier}, {Qt::Key_Return, 0}, {Qt::Key_Escape, 0},
                {Qt::Key_Left, 0}, {Qt::Key_Right, 0}, {Qt::Key_Up, 0}, {Qt::Key_Down, 0},
                {Qt::Key_A, Qt::ControlModifier}, {Qt::Key_C, Qt::ControlModifier}, {Qt::Key_V, Qt::ControlModifier},
                {Qt::Key_X, Qt::ControlModifier}, {Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_Tab, Qt::ControlModifier},
                {Qt::Key_PageDown, Qt::ControlModifier}, {Qt::Key_Space, 0}, {Qt::Key_Backspace, 0},
                {Qt::Key_Delete, 0}, {Qt::Key_Home, 0}, {Qt::Key_End, 0}, {Qt::Key_A + pick(26), Qt::AltModifier}};
            const auto& [key, modifiers] = keys[pick(std::size(keys))];
            e.key = key;
            e.modifiers = modifiers;
        }
        return e;
    }

    void perform(const Event& e) {
        QWidget* window = topWindow();
        if (!window) return;
        const QList<QWidget*> widgets = candidates(window);
        QWidget* w = e.widget < widgets.size() ? widgets[e.widget] : window;
        const QPoint point(std::min(e.x, w->width() - 1), std::min(e.y, w->height() - 1));
        const QPointer<QWidget> target(w);
        const auto modifiers = Qt::KeyboardModifiers(e.modifiers);
        if (e.action == "click") {
            QTest::mouseClick(w, Qt::LeftButton, {}, point);
        } else if (e.action == "right") {
            QTest::mousePress(w, Qt::RightButton, {}, point);
            if (target) QTest::mouseRelease(target, Qt::RightButton, {}, point);
        } else if (e.action == "double") {
            QTest::mouseDClick(w, Qt::LeftButton, {}, point);
        } else if (e.action == "wheel") {
            QWheelEvent wheel(point, w->mapToGlobal(point), {}, {0, e.key}, Qt::NoButton, {}, Qt::NoScrollPhase,
                              false);
            QApplication::sendEvent(w, &wheel);
        } else if (e.action == "key") {
            QTest::keyClick(w, static_cast<Qt::Key>(e.key), modifiers);
        } else if (e.action == "type") {
            typeText(w, e.text);
        } else if (e.action == "paste") {
            QApplication::clipboard()->setText(e.text);
            QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
        }
    }

    MailCatcher m_mail;
    std::mt19937 m_random;
    long m_events;
    int m_limitMs;
    QFile* m_log;
    QList<Event> m_replay;
    qsizetype m_next = 0;
    QTemporaryDir m_dir;
    quarvel::ui::StartedProgram m_program;
    bool m_freshRun = false;
    QEventLoop m_loop;
    QPointer<QMessageBox> m_lastBox;
    QMap<QString, long> m_perWindow;
    long m_done = 0;
    long m_budget = 0;
    long m_runs = 0;
    long m_boxes = 0;
    long m_findings = 0;
    qint64 m_slowest = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
    // The offscreen platform's complaints about raising windows say nothing
    // about the program.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtWarningMsg && message.startsWith("This plugin does not support")) return;
        std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    // Pictures saved go where the file dialog starts: a folder of the run's.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    unsigned seed = 1;
    long events = 2000;
    int limitMs = 1000;
    QString logPath;
    QString replayPath;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == "--seed") seed = args[i + 1].toUInt();
        if (args[i] == "--events") events = args[i + 1].toLong();
        if (args[i] == "--limit-ms") limitMs = args[i + 1].toInt();
        if (args[i] == "--log") logPath = args[i + 1];
        if (args[i] == "--replay") replayPath = args[i + 1];
    }
    QList<Event> replay;
    if (!replayPath.isEmpty()) {
        QFile in(replayPath);
        if (!in.open(QIODevice::ReadOnly)) return 2;
        for (const QByteArray& line : in.readAll().split('\n')) {
            if (const auto e = Event::parse(QString::fromUtf8(line))) replay.push_back(*e);
        }
        events = replay.size();
    }
    std::unique_ptr<QFile> log;
    if (!logPath.isEmpty()) {
        log = std::make_unique<QFile>(logPath);
        if (!log->open(QIODevice::WriteOnly | QIODevice::Truncate)) return 2;
    }
    // The photographs are read from ./images.
    if (QDir(QUARVEL_SOURCE_DIR).exists("images")) QDir::setCurrent(QUARVEL_SOURCE_DIR);
    Monkey monkey(seed, events, limitMs, log.get(), std::move(replay));
    return monkey.run();
}

#include "monkey.moc"
