#include "MessageBox.h"

#include <QAbstractButton>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <cmath>

#include "FocusRing.h"
#include "Look.h"

namespace kivo::ui {

namespace {

QMessageBox::Icon iconFor(int style) {
    switch (style & 0x70) {
        case 16: return QMessageBox::Critical;
        case 48: return QMessageBox::Warning;
        case 64: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

QStyle::StandardPixmap pixmapFor(QMessageBox::Icon icon) {
    switch (icon) {
        case QMessageBox::Critical: return QStyle::SP_MessageBoxCritical;
        case QMessageBox::Warning: return QStyle::SP_MessageBoxWarning;
        default: return QStyle::SP_MessageBoxInformation;
    }
}

int scaled(double px, double scale) {
    return static_cast<int>(std::lround(px * scale));
}

}  // namespace

MessageCard::MessageCard(QWidget* layer, const BoxText& text, double scale)
    : QMessageBox(QMessageBox::NoIcon, text.title, QString(), QMessageBox::Ok, layer),
      icon_(iconFor(text.style)) {
    // Each change below is news on a screen reader's bus: made only where it changes anything.
    setWindowFlags(Qt::Widget);  // a card on the stage, not a window of its own
    setTextFormat(Qt::PlainText);
    setText(text.prompt);
    if (!text.about.isEmpty()) setAccessibleDescription(text.about);
    setDefaultButton(QMessageBox::Ok);
    const QString ok = QStringLiteral("OK");  // some desktops' themes would give it a mnemonic
    if (this->ok()->text() != ok) this->ok()->setText(ok);
    if (!this->ok()->icon().isNull()) this->ok()->setIcon(QIcon());  // and others a tick
    // The game's light palette, not the colours of the stage it lies on.
    setPalette(lightPalette());
    setAutoFillBackground(true);
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * scale);
    setFont(f);
    if (icon_ != QMessageBox::NoIcon) {
        const int side =
            scaled(style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this), scale);
        setIconPixmap(style()
                          ->standardIcon(pixmapFor(icon_), nullptr, this)
                          .pixmap(QSize(side, side), devicePixelRatioF()));
    }
    QFont bold = f;
    bold.setBold(true);
    strip_ = QFontMetrics(bold).height() + scaled(8, scale);
    const int edge = std::max(1, scaled(1, scale));
    setContentsMargins(edge, strip_, edge, edge);
}

void MessageCard::centre() {
    const QWidget* stage = window();
    const QPoint middle =
        parentWidget()->mapFrom(stage, QPoint(stage->width() / 2, stage->height() / 2));
    move(middle - QPoint(width() / 2, height() / 2));
}

// The title strip, as the platform draws an active window's title, and a thin edge round it.
void MessageCard::paintEvent(QPaintEvent* e) {
    QMessageBox::paintEvent(e);
    QPainter p(this);
    const QMargins m = contentsMargins();
    p.fillRect(rect(), palette().color(QPalette::Dark));
    p.fillRect(rect().marginsRemoved({m.left(), 0, m.right(), m.bottom()}),
               palette().color(QPalette::Highlight));
    p.fillRect(contentsRect(), palette().color(QPalette::Window));
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(palette().color(QPalette::HighlightedText));
    const int pad = m.top() / 4;
    p.drawText(QRect(pad + m.left(), 0, width() - 2 * (pad + m.left()), m.top()),
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, windowTitle());
}

bool MessageCard::focusNextPrevChild(bool next) {
    return tabWithin(this, next);
}

BoxLayer::BoxLayer(QWidget* card, const BoxText& text, double scale)
    : QWidget(card), box_(this, text, scale) {
    setGeometry(card->rect());
}

void BoxLayer::exec() {
    QEventLoop loop;
    QObject::connect(&box_, &QDialog::finished, &loop, &QEventLoop::quit);
    show();
    raise();
    box_.show();
    box_.centre();
    box_.ok()->setFocus(Qt::ActiveWindowFocusReason);
    loop.exec(QEventLoop::DialogExec);
    hide();
}

void BoxLayer::mousePressEvent(QMouseEvent* e) {
    e->accept();
    box_.ok()->setFocus(Qt::MouseFocusReason);
}

void BoxLayer::mouseDoubleClickEvent(QMouseEvent* e) {
    mousePressEvent(e);
}

void BoxLayer::wheelEvent(QWheelEvent* e) {
    e->accept();
}

}  // namespace kivo::ui
