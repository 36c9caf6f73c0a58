#include "Label.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace kivo::ui {

namespace {
// Whether Qt finds a glyph for every character, in the font or in one it falls back to.
bool drawable(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QList<quint32> glyphs = run.glyphIndexes();
        if (std::ranges::find(glyphs, 0u) != glyphs.end()) return false;
    }
    return true;
}
}  // namespace

QString shownText(QString text) {
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20)
            c = QChar(0x2400 + u);  // the control pictures
        else if (u == 0x7F)
            c = QChar(0x2421);  // delete
        else if (u == 0x85 || u == 0x2028 || u == 0x2029)
            c = QChar(0x2424);  // line breaks
    }
    return text;
}

Label::Label(QWidget* parent, TwipsRect rect, const layout::LabelLook& look, const QString& caption,
             float maxWidth)
    : QLabel(parent), Control(this, rect), look_(look), maxWidth_(maxWidth) {
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setLayoutFont(look.font);
    setAlignment(look.align == layout::Align::Center ? Qt::AlignCenter
                                                     : (Qt::AlignLeft | Qt::AlignTop));
    setFocusPolicy(Qt::NoFocus);
    if (look.border) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
        setIndent(0);  // Qt would otherwise indent a framed label's text by half an 'x'
    }
    QPalette p = palette();
    p.setColor(QPalette::WindowText, bgr(look.fore));
    p.setColor(QPalette::Text, bgr(look.fore));
    setPalette(p);
    setBackColor(look.back);
    setTwips(rect);
    setCaption(caption);
}

Label::Label(QWidget* parent, const layout::Text& text)
    : Label(parent, text.rect, text.look, QString::fromUtf8(text.caption)) {}

void Label::setCaption(const QString& text) {
    caption_ = text;
    setText(shownText(mayShow(text)));
    if (look_.autoSize) {
        setFont(face());
        fitToText();
    } else {
        fitFont();
    }
}

// A label of bounded width shows no more of a caption than fits, and no character is much
// narrower than a pixel: of a name a megabyte long (it may be pasted) it lays out and draws only
// the first few thousand characters, which show just as the whole would.
QString Label::mayShow(const QString& text) const {
    const float room = look_.autoSize ? maxWidth_ : twips().width;
    if (room <= 0) return text;
    const qsizetype keep = std::max<qsizetype>(256, 4 * px(room, scale()));
    if (text.size() <= keep) return text;
    const qsizetype cut = text.at(keep - 1).isHighSurrogate() ? keep - 1 : keep;
    return text.left(cut);
}

void Label::resizeEvent(QResizeEvent* e) {
    QLabel::resizeEvent(e);
    if (!look_.autoSize) fitFont();
}

void Label::applyScale() {
    Control::applyScale();
    setCaption(caption_);
}

// A stand-in font may run wider than the one the layout was made for: a fixed-size label's
// caption then steps down in size (to no less than two thirds) rather than lose its ends.
void Label::fitFont() {
    const QFont font = face();
    QFont f = font;
    const int room = contentsRect().width() - 2;
    // Widths go nearly in proportion to the size, so the first measure tells the step; every
    // size measured loads its glyphs, so as few are tried as can be.
    const int wide = QFontMetrics(f).horizontalAdvance(text());
    if (wide > room) {
        int step = std::min(
            8, static_cast<int>(std::ceil((1.0 - room / static_cast<double>(wide)) / 0.05)));
        f.setPointSizeF(font.pointSizeF() * (1.0 - 0.05 * step));
        while (step < 8 && QFontMetrics(f).horizontalAdvance(text()) > room) {
            f.setPointSizeF(font.pointSizeF() * (1.0 - 0.05 * ++step));
        }
    }
    setFont(f);
}

// The layout's face for the caption. A name in a script that the styled face and its fall-backs
// lack (no bold italic face has Arabic on most desktops) is drawn upright, or regular, where Qt
// finds its glyphs.
QFont Label::face() const {
    QFont f = scaledFont();
    const QString shown = text();
    if (std::ranges::all_of(shown, [](QChar c) { return c.unicode() < 0x80; })) return f;
    if (drawable(shown, f)) return f;
    f.setItalic(false);
    if (!drawable(shown, f)) f.setBold(false);
    return f;
}

void Label::applyBackColor() {
    if (look_.opaque) {
        Control::applyBackColor();
    } else {
        setAutoFillBackground(false);
    }
}

// Grows or shrinks to the caption's size, keeping the top-left corner.
void Label::fitToText() {
    const QFontMetrics fm(font());
    const int frame = 2 * frameWidth();
    const auto twipsPerPixel = static_cast<float>(kTwipsPerPixel / scale());
    float w = static_cast<float>(fm.horizontalAdvance(text()) + frame + 2) * twipsPerPixel;
    const float h = static_cast<float>(fm.height() + frame) * twipsPerPixel;
    if (maxWidth_ > 0 && w > maxWidth_) w = maxWidth_;
    setTwips({twips().left, twips().top, w, h});
}

}  // namespace kivo::ui
