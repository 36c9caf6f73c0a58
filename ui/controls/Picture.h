#pragma once
// A picture from the program's resources, drawn from its SVG so it stays sharp at any scale,
// and the cache that parses each picture once for the whole program.

#include <QHash>
#include <QIcon>
#include <QSize>
#include <QString>
#include <memory>

class QPainter;
class QRectF;
class QSvgRenderer;

namespace kivo::ui {

class Picture {
public:
    Picture() = default;

    bool isNull() const { return !svg_; }
    QSize size() const;  // its own size in pixels
    void draw(QPainter& p, const QRectF& target, bool stretch) const;
    bool operator==(const Picture& other) const { return svg_ == other.svg_; }

private:
    friend class Pictures;
    explicit Picture(std::shared_ptr<QSvgRenderer> svg) : svg_(std::move(svg)) {}
    std::shared_ptr<QSvgRenderer> svg_;
};

class Pictures {
public:
    Pictures();
    ~Pictures();
    Pictures(const Pictures&) = delete;
    Pictures& operator=(const Pictures&) = delete;

    Picture get(const QString& resource);
    // A window icon made of the picture at the sizes desktops show (title bars, task bars,
    // switchers), with a small variant if given. Made once; every later call gives the same.
    QIcon icon(const QString& resource, const QString& small = {});

private:
    QHash<QString, std::shared_ptr<QSvgRenderer>> svgs_;
    QHash<QString, QIcon> icons_;
};

}  // namespace kivo::ui
