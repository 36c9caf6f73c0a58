#include "Picture.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace kivo::ui {

QSize Picture::size() const {
    return svg_ ? svg_->defaultSize() : QSize();
}

void Picture::draw(QPainter& p, const QRectF& target, bool stretch) const {
    if (!svg_) return;
    svg_->setAspectRatioMode(stretch ? Qt::IgnoreAspectRatio : Qt::KeepAspectRatio);
    svg_->render(&p, target);
}

Pictures::Pictures() = default;
Pictures::~Pictures() = default;

Picture Pictures::get(const QString& resource) {
    auto& svg = svgs_[resource];
    if (!svg) svg = std::make_shared<QSvgRenderer>(resource);
    return Picture(svg);
}

QIcon Pictures::icon(const QString& resource, const QString& small) {
    QIcon& icon = icons_[resource + QLatin1Char('|') + small];
    if (!icon.isNull()) return icon;
    const auto render = [this](const QString& name, int side) {
        QPixmap pm(side, side);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        get(name).draw(p, QRectF(0, 0, side, side), true);
        return pm;
    };
    icon.addPixmap(render(small.isEmpty() ? resource : small, 16));
    for (int side : {24, 32, 48, 64}) icon.addPixmap(render(resource, side));
    return icon;
}

}  // namespace kivo::ui
