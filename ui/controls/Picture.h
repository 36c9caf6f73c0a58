#pragma once
// A picture from the program's resources, drawn from its SVG so it stays sharp at any scale.

#include <QIcon>
#include <QSize>
#include <QString>

class QPainter;
class QRectF;

namespace kivo::ui {

class Picture {
public:
    Picture() = default;
    explicit Picture(QString resource) : resource_(std::move(resource)) {}

    bool isNull() const { return resource_.isEmpty(); }
    const QString& resource() const { return resource_; }
    QSize size() const;  // its own size in pixels
    void draw(QPainter& p, const QRectF& target, bool stretch) const;
    bool operator==(const Picture&) const = default;

    // A window icon made of this picture at the usual icon sizes (and a small variant if given).
    QIcon icon(const QString& small = {}) const;

private:
    QString resource_;
};

}  // namespace kivo::ui
