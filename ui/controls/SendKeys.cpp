#include "SendKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <vector>

namespace kivo::ui {

namespace {
struct Stroke {
    int key;
    Qt::KeyboardModifiers mods;
    QString text;
};

int namedKey(const QString& name) {
    if (name == QLatin1String("Home")) return Qt::Key_Home;
    if (name == QLatin1String("End")) return Qt::Key_End;
    return 0;
}

std::vector<Stroke> parse(const QString& keys) {
    std::vector<Stroke> out;
    Qt::KeyboardModifiers mods;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QChar c = keys[i];
        if (c == QLatin1Char('+')) {
            mods |= Qt::ShiftModifier;
            continue;
        }
        if (c == QLatin1Char('{')) {
            const qsizetype close = keys.indexOf(QLatin1Char('}'), i);
            if (close < 0) break;
            if (const int key = namedKey(keys.mid(i + 1, close - i - 1)))
                out.push_back({key, mods, {}});
            i = close;
        } else {
            out.push_back({QChar(c).toUpper().unicode(), mods, QString(c)});
        }
        mods = {};
    }
    return out;
}
}  // namespace

void sendKeys(const QString& keys) {
    QTimer::singleShot(0, qApp, [strokes = parse(keys)] {
        for (const Stroke& s : strokes) {
            QWidget* target = QApplication::focusWidget();
            if (!target) return;
            QKeyEvent press(QEvent::KeyPress, s.key, s.mods, s.text);
            QApplication::sendEvent(target, &press);
            QKeyEvent release(QEvent::KeyRelease, s.key, s.mods, s.text);
            QApplication::sendEvent(target, &release);
        }
    });
}

}  // namespace kivo::ui
