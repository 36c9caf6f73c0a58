#include "Notice.h"

#include <QLabel>
#include <QTimer>

namespace kivo::ui {

Notice::Notice(QWidget* parent) : QWidget(parent), label_(new QLabel(this)) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    label_->setTextFormat(Qt::PlainText);
    label_->setGeometry(0, 0, 1, 1);
    QPalette unseen = label_->palette();
    unseen.setColor(QPalette::WindowText, Qt::transparent);
    label_->setPalette(unseen);
    setGeometry(0, 0, 1, 1);
    hide();
}

void Notice::tell(const QString& text) {
    QTimer::singleShot(0, this, [this, text] {
        hide();
        label_->setText(text);
        show();  // a notification is read as it shows
    });
}

QString Notice::text() const {
    return label_->text();
}

}  // namespace kivo::ui
