#include "Picture.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <memory>

namespace kivo::ui {

namespace {
QSvgRenderer& renderer(const QString& resource) {
    static QHash<QString, std::shared_ptr<QSvgRenderer>> cache;
    auto& r = cache[resource];
    if (!r) r = std::make_shared<QSvgRenderer>(resource);
    return *r;
}

QPixmap render(const QString& resource, int side) {
    QPixmap pm(side, side);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    renderer(resource).render(&p, QRectF(0, 0, side, side));
    return pm;
}
}  // namespace

QSize Picture::size() const { return isNull() ? QSize() : renderer(resource_).defaultSize(); }

void Picture::draw(QPainter& p, const QRectF& target, bool stretch) const {
    if (isNull()) return;
    QSvgRenderer& r = renderer(resource_);
    r.setAspectRatioMode(stretch ? Qt::IgnoreAspectRatio : Qt::KeepAspectRatio);
    r.render(&p, target);
}

QIcon Picture::icon(const QString& small) const {
    QIcon icon;
    if (!small.isEmpty()) icon.addPixmap(render(small, 16));
    for (int side : {32, 48, 64, 128, 256}) icon.addPixmap(render(resource_, side));
    return icon;
}

}  // namespace kivo::ui
